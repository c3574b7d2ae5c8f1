// SPDX-License-Identifier: MIT
#include "gui/browse/reference_index_worker.h"

#include <QThread>

#include "core/browse/linked_references.h"
#include "core/browse/topic_format.h"
#include "core/list/busy.h"
#include "core/list/list_kind.h"
#include "core/list/message_service.h"

namespace qorl::gui {
namespace {

// A list the worker cannot open gives no references; no box is shown from another thread.
SilentMessages& Silent() {
  static SilentMessages messages;
  return messages;
}

NullBusyIndicator& NoBusy() {
  static NullBusyIndicator busy;
  return busy;
}

}  // namespace

ReferenceIndexWorker::ReferenceIndexWorker(QObject* parent) : QObject(parent) {}

ReferenceIndexWorker::~ReferenceIndexWorker() {
  stop();
}

bool ReferenceIndexWorker::running() const {
  std::lock_guard lock(mutex_);
  return !idle_;
}

std::size_t ReferenceIndexWorker::memoryBytes() const {
  return memory_;
}

void ReferenceIndexWorker::request(const ReferrersRequest& request) {
  {
    std::lock_guard lock(mutex_);
    if (!idle_) {
      pending_ = request;
      return;
    }
  }
  if (thread_) {  // ended or ending: nothing is pending
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
  }
  cancel_ = false;
  {
    std::lock_guard lock(mutex_);
    pending_ = request;
    idle_ = false;
  }
  thread_ = QThread::create([this] { run(); });
  thread_->start();
}

void ReferenceIndexWorker::stop() {
  if (!thread_) return;
  cancel_ = true;
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  std::lock_guard lock(mutex_);
  pending_.reset();
  idle_ = true;
}

void ReferenceIndexWorker::run() {
  for (;;) {
    ReferrersRequest request;
    {
      std::lock_guard lock(mutex_);
      if (!pending_ || cancel_) {
        pending_.reset();
        idle_ = true;
        return;
      }
      request = std::move(*pending_);
      pending_.reset();
    }
    if (!build(request)) continue;  // cancelled: the loop ends
    auto rows = std::make_shared<std::vector<ReferrerRow>>(rowsFor(request));
    QMetaObject::invokeMethod(
        this, [this, request, rows] { emit referrersFound(request, *rows); }, Qt::QueuedConnection);
  }
}

bool ReferenceIndexWorker::build(const ReferrersRequest& request) {
  // Lists changed since they were read give their references again, read from fresh sessions.
  bool stale = !shelf_ || followAll_ != request.followAll;
  for (const auto& [path, refs] : built_) stale = stale || !refs->current();
  if (stale) {
    built_.clear();
    resolver_.reset();
    OpenOptions options;
    options.policy.dontUseIndexFile = true;  // read a current index, never write one
    shelf_ = std::make_unique<ListShelf>(options, NoBusy(), Silent());
    resolver_ = std::make_unique<LinkResolver>(*shelf_, request.followAll);
    followAll_ = request.followAll;
  }
  std::vector<std::string> missing;
  for (const std::string& list : request.lists) {
    const std::string path = NormalListPath(list);
    if (!built_.count(path)) missing.push_back(path);
  }
  for (std::size_t i = 0; i < missing.size(); ++i) {
    const QString name = QString::fromStdString(std::string(FileNameOf(missing[i])));
    auto refs = std::make_shared<ListReferences>();
    int shown = -1;
    const bool done = BuildListReferences(
        *resolver_, missing[i],
        [&](int percent) {
          const int overall =
              static_cast<int>((i * 100 + static_cast<std::size_t>(percent)) / missing.size());
          if (overall != shown) {
            shown = overall;
            QMetaObject::invokeMethod(
                this, [this, overall, name] { emit progress(overall, name); },
                Qt::QueuedConnection);
          }
          return !cancel_.load();
        },
        *refs);
    if (!done) return false;
    built_[missing[i]] = std::move(refs);
  }
  std::size_t bytes = 0;
  for (const auto& [path, refs] : built_) bytes += refs->memoryBytes();
  memory_ = bytes;
  if (!missing.empty())
    QMetaObject::invokeMethod(
        this, [this] { emit progress(-1, QString()); }, Qt::QueuedConnection);
  return true;
}

std::vector<ReferrerRow> ReferenceIndexWorker::rowsFor(const ReferrersRequest& request) {
  std::vector<const ListReferences*> lists;
  for (const std::string& list : request.lists) {
    const auto it = built_.find(NormalListPath(list));
    if (it != built_.end()) lists.push_back(it->second.get());
  }
  std::vector<ReferrerRow> rows;
  std::string bytes;
  for (const Referrer& r : ReferrersOf(lists, NormalListPath(request.targetPath), request.topic)) {
    const ListSession* list = shelf_->list(r.listPath);
    if (!list || list->readTopic(r.topic, bytes) != ReadTopicResult::Ok) continue;
    const std::string text = DisplayTextOf(bytes);
    ReferrerRow row;
    row.listPath = r.listPath;
    row.topic = r.topic;
    row.identifier = list->topics().identifier(r.topic);
    row.title = list->topics().title(r.topic);
    row.line = LineAround(text, r.start);
    row.start = r.start;
    row.length = r.length;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace qorl::gui
