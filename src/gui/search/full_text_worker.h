// SPDX-License-Identifier: MIT
#pragma once
// Runs a search of every topic's text in a thread of its own and hands the results to the
// user-interface thread in batches (queued calls), so the window keeps painting and taking input.
// A new search or stop() cancels the running one and waits for its thread; batches of a search
// that was replaced never arrive.

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/list/list_session.h"
#include "core/search/full_text_search.h"

class QThread;

namespace qorl::gui {

// One list to search: a table the window holds (kept unchanged until the search ends or is
// stopped), or none, and the worker opens the list itself with the request's options and never
// writes its index.
struct FullTextTarget {
  std::string path;
  std::string name;  // the file name shown in the results
  const TopicTable* table = nullptr;
};

struct FullTextRequest {
  FullTextQuery query;
  std::vector<FullTextTarget> targets;
  OpenOptions openOptions;
};

// One result row: a topic that holds the text.
struct FullTextRow {
  int target = 0;  // index into the request's targets
  TopicMatch match;
  std::string identifier;
  std::string title;
};

struct FullTextOutcome {
  bool completed = false;   // every list was searched
  bool truncated = false;   // stopped at kMaxFullTextRows
  int unreadableLists = 0;  // lists that could not be opened or read
};

// The most rows one search delivers; it stops there.
inline constexpr int kMaxFullTextRows = 100000;

class FullTextWorker : public QObject {
  Q_OBJECT
 public:
  explicit FullTextWorker(QObject* parent = nullptr);
  ~FullTextWorker() override;

  // Stops a running search, then starts this one.
  void start(FullTextRequest request);
  // Cancels the running search and waits until its thread has ended; harmless when none runs.
  void stop();
  bool running() const { return thread_ != nullptr; }

 signals:
  void rowsFound(const std::vector<FullTextRow>& rows);
  void searchEnded(const FullTextOutcome& outcome);

 private:
  void run(FullTextRequest request, int generation);
  void deliver(int generation, std::shared_ptr<std::vector<FullTextRow>> rows);
  void finish(int generation, FullTextOutcome outcome);

  QThread* thread_ = nullptr;
  std::atomic<bool> cancel_{false};
  int generation_ = 0;  // the search whose batches are wanted; read on the UI thread only
};

}  // namespace qorl::gui
