// SPDX-License-Identifier: MIT
#pragma once
// Builds the reverse reference index of the lists of a folder in a thread of its own, list by
// list the first time a topic's referrers are asked for, and keeps each list's references while
// the lists they were read from are unchanged. A request names the topic on view; while the
// index builds, a newer request replaces the older one without restarting the build, and only
// the newest topic's rows are delivered (a queued call to the user-interface thread).

#include <QObject>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/browse/reverse_references.h"

class QThread;

namespace qorl::gui {

struct ReferrersRequest {
  std::vector<std::string> lists;  // every list whose references count
  std::string targetPath;          // the list of the topic on view
  TopicNumber topic = -1;
  bool followAll = false;
  bool operator==(const ReferrersRequest&) const = default;
};

struct ReferrerRow {
  std::string listPath;
  TopicNumber topic = -1;
  std::string identifier;  // the list's bytes
  std::string title;
  std::string line;         // the referring line of the topic's display text
  std::uint32_t start = 0;  // the reference in the topic's display text
  std::uint32_t length = 0;
};

class ReferenceIndexWorker : public QObject {
  Q_OBJECT
 public:
  explicit ReferenceIndexWorker(QObject* parent = nullptr);
  ~ReferenceIndexWorker() override;

  // Asks for the referrers of request's topic; the rows arrive by referrersFound.
  void request(const ReferrersRequest& request);
  // Cancels the work and waits for the thread; what was built is kept.
  void stop();
  bool running() const;
  // Bytes the kept references hold.
  std::size_t memoryBytes() const;

 signals:
  // percent of the lists to build, or -1 when building has ended.
  void progress(int percent, const QString& listName);
  void referrersFound(const ReferrersRequest& request, const std::vector<ReferrerRow>& rows);

 private:
  void run();
  bool build(const ReferrersRequest& request);
  std::vector<ReferrerRow> rowsFor(const ReferrersRequest& request);

  QThread* thread_ = nullptr;
  std::atomic<bool> cancel_{false};
  mutable std::mutex mutex_;
  std::optional<ReferrersRequest> pending_;  // guarded by mutex_
  bool idle_ = true;                         // guarded by mutex_
  // Used only by the running thread (one at a time).
  std::unique_ptr<ListShelf> shelf_;
  std::unique_ptr<LinkResolver> resolver_;
  bool followAll_ = false;
  std::map<std::string, std::shared_ptr<const ListReferences>> built_;
  std::atomic<std::size_t> memory_{0};
};

}  // namespace qorl::gui
