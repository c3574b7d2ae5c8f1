// SPDX-License-Identifier: MIT
#include "gui/lookup/lookup_loader.h"

#include <QThread>

namespace qorl::gui {

LookupLoader::LookupLoader(QObject* parent) : QObject(parent) {}

LookupLoader::~LookupLoader() {
  if (thread_) {
    cancel_ = true;
    thread_->wait();
    delete thread_;
  }
}

void LookupLoader::refresh(const std::vector<std::string>& paths) {
  if (thread_) {
    pending_ = true;
    pendingPaths_ = paths;
    return;
  }
  if (loadedOnce_ && LookupListsCurrent(lists_, paths)) return;
  start(paths);
}

void LookupLoader::start(const std::vector<std::string>& paths) {
  // The worker keeps the lists that are unchanged (shared, never written) and reads the rest.
  LookupLists held = lists_;
  thread_ = QThread::create(
      [this, held = std::move(held), paths] { read_ = RefreshLookupLists(held, paths, &cancel_); });
  connect(thread_, &QThread::finished, this, &LookupLoader::finished, Qt::QueuedConnection);
  thread_->start(QThread::LowPriority);
}

void LookupLoader::finished() {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  lists_ = std::move(read_);
  read_.clear();
  loadedOnce_ = true;
  emit loaded();
  if (pending_) {
    pending_ = false;
    refresh(pendingPaths_);
  }
}

}  // namespace qorl::gui
