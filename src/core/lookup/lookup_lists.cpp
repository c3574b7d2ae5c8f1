// SPDX-License-Identifier: MIT
#include "core/lookup/lookup_lists.h"

#include <filesystem>

#include "core/app/list_menu.h"
#include "core/list/busy.h"
#include "core/list/file_path.h"
#include "core/list/list_kind.h"
#include "core/list/message_service.h"
#include "core/search/text_rules.h"

namespace qorl {
namespace {

void FoldLines(LookupList& list) {
  const TopicTable& topics = list.topics();
  list.folded.reserve(topics.nameBytes().size() + 2 * static_cast<std::size_t>(topics.count()));
  list.lineStarts.reserve(static_cast<std::size_t>(topics.count()) + 1);
  for (TopicNumber n = 0; n < topics.count(); ++n) {
    list.lineStarts.push_back(static_cast<std::uint32_t>(list.folded.size()));
    for (char c : topics.identifier(n)) list.folded += static_cast<char>(FoldedByte(c));
    list.folded += ' ';
    for (char c : topics.title(n)) list.folded += static_cast<char>(FoldedByte(c));
    list.folded += '\n';
  }
  list.lineStarts.push_back(static_cast<std::uint32_t>(list.folded.size()));
}

}  // namespace

std::shared_ptr<const LookupList> LoadLookupList(const std::string& path) {
  auto list = std::make_shared<LookupList>();
  const std::optional<FileStamp> stamp = ReadFileStamp(path);
  if (!stamp) return nullptr;
  OpenOptions options;
  options.policy.dontUseIndexFile = true;  // a current index is read, none is written
  NullBusyIndicator busy;
  SilentMessages messages;  // an unreadable list is left out without a word
  if (list->session.open(path, options, busy, messages) != OpenOutcome::Opened) return nullptr;
  // Line positions are 32-bit.
  if (list->topics().nameBytes().size() + 2 * static_cast<std::size_t>(list->topics().count()) >=
      UINT32_MAX)
    return nullptr;
  list->path = path;
  list->name = Utf8Path(FilePath(path).filename());
  list->kind = ListKindOf(path);
  list->stamp = *stamp;
  if (list->kind >= 1) BuildTableMapOfFile(path, list->topics(), list->tables);
  FoldLines(*list);
  return list;
}

LookupLists RefreshLookupLists(const LookupLists& held, const std::vector<std::string>& paths,
                               const std::atomic<bool>* cancel) {
  LookupLists lists;
  for (const std::string& path : paths) {
    if (cancel && cancel->load()) break;
    const std::optional<FileStamp> stamp = ReadFileStamp(path);
    std::shared_ptr<const LookupList> list;
    for (const auto& kept : held) {
      if (kept && kept->path == path && stamp && kept->stamp == *stamp) list = kept;
    }
    if (!list) list = LoadLookupList(path);
    if (list) lists.push_back(std::move(list));
  }
  return lists;
}

bool LookupListsCurrent(const LookupLists& held, const std::vector<std::string>& paths) {
  std::size_t i = 0;
  for (const std::string& path : paths) {
    const std::optional<FileStamp> stamp = ReadFileStamp(path);
    if (!stamp) continue;  // gone, or never read: nothing to read again
    if (i >= held.size() || held[i]->path != path || !(held[i]->stamp == *stamp)) return false;
    ++i;
  }
  return i == held.size();
}

std::vector<std::string> LookupListPaths(const std::string& listsFolder, bool displayAllLists) {
  std::vector<std::string> paths;
  for (const ListMenuEntry& entry : BuildListMenuFromFolder(listsFolder, displayAllLists).entries)
    paths.push_back(ListEntryPath(listsFolder, entry));
  return paths;
}

}  // namespace qorl
