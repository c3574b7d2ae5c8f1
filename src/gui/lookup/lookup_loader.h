// SPDX-License-Identifier: MIT
#pragma once
// The topic titles of every list of the lists location for Go to Topic: read on a worker thread
// (index files, else one scan each), kept while the viewer runs and read again, list by list,
// when a list file has changed.

#include <QObject>
#include <atomic>
#include <string>
#include <vector>

#include "core/lookup/lookup_lists.h"

class QThread;

namespace qorl::gui {

class LookupLoader : public QObject {
  Q_OBJECT
 public:
  explicit LookupLoader(QObject* parent = nullptr);
  ~LookupLoader() override;

  // Reads the lists at paths beside the window unless the lists held are those, unchanged. A
  // reading under way is let finish and the paths are checked again after it.
  void refresh(const std::vector<std::string>& paths);
  bool loading() const { return thread_ != nullptr; }
  const LookupLists& lists() const { return lists_; }

 signals:
  // The lists have been read (again).
  void loaded();

 private:
  void start(const std::vector<std::string>& paths);
  void finished();

  LookupLists lists_;
  LookupLists read_;  // written by the worker, taken over when it ends
  QThread* thread_ = nullptr;
  std::atomic<bool> cancel_{false};
  bool loadedOnce_ = false;
  bool pending_ = false;
  std::vector<std::string> pendingPaths_;
};

}  // namespace qorl::gui
