// SPDX-License-Identifier: MIT
#include "gui/search/full_text_worker.h"

#include <QThread>

#include "core/list/busy.h"
#include "core/list/message_service.h"

namespace qorl::gui {

FullTextWorker::FullTextWorker(QObject* parent) : QObject(parent) {}

FullTextWorker::~FullTextWorker() {
  stop();
}

void FullTextWorker::start(FullTextRequest request) {
  stop();
  cancel_ = false;
  const int generation = ++generation_;
  thread_ = QThread::create([this, generation, request = std::move(request)]() mutable {
    run(std::move(request), generation);
  });
  thread_->start();
}

void FullTextWorker::stop() {
  if (thread_ == nullptr) return;
  cancel_ = true;
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  // Whatever the stopped search still has on its way is dropped.
  ++generation_;
}

void FullTextWorker::run(FullTextRequest request, int generation) {
  FullTextOutcome outcome;
  int rows = 0;
  for (std::size_t i = 0; i < request.targets.size() && !cancel_; ++i) {
    const FullTextTarget& target = request.targets[i];
    ListSession own;
    const TopicTable* table = target.table;
    if (table == nullptr) {
      // A list whose bytes lack the text is not opened at all.
      if (!ListFileMayHoldText(target.path, request.query)) continue;
      NullBusyIndicator busy;
      SilentMessages messages;  // an unreadable list is counted, not shown in a box
      OpenOptions options = request.openOptions;
      options.policy.dontUseIndexFile = true;  // read a current index, never write one
      if (own.open(target.path, options, busy, messages) != OpenOutcome::Opened) {
        ++outcome.unreadableLists;
        continue;
      }
      table = &own.topics();
    }
    const FullTextStatus status = SearchListFileText(
        target.path, *table, request.query, &cancel_, [&](std::vector<TopicMatch>& batch) {
          auto found = std::make_shared<std::vector<FullTextRow>>();
          found->reserve(batch.size());
          for (TopicMatch& match : batch) {
            if (rows >= kMaxFullTextRows) {
              outcome.truncated = true;
              cancel_ = true;
              break;
            }
            ++rows;
            FullTextRow row;
            row.target = static_cast<int>(i);
            row.identifier = table->identifier(match.topic);
            row.title = table->title(match.topic);
            row.match = std::move(match);
            found->push_back(std::move(row));
          }
          QMetaObject::invokeMethod(
              this, [this, generation, found] { deliver(generation, found); },
              Qt::QueuedConnection);
        });
    if (status == FullTextStatus::ReadFailed) ++outcome.unreadableLists;
  }
  outcome.completed = !cancel_;
  QMetaObject::invokeMethod(
      this, [this, generation, outcome] { finish(generation, outcome); }, Qt::QueuedConnection);
}

void FullTextWorker::deliver(int generation, std::shared_ptr<std::vector<FullTextRow>> rows) {
  if (generation == generation_ && !rows->empty()) emit rowsFound(*rows);
}

void FullTextWorker::finish(int generation, FullTextOutcome outcome) {
  if (generation != generation_) return;
  // The thread has handed over its last call and ends now.
  if (thread_ != nullptr) {
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
  }
  emit searchEnded(outcome);
}

}  // namespace qorl::gui
