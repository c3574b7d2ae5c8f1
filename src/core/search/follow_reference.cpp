// SPDX-License-Identifier: MIT
#include "core/search/follow_reference.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/list/file_path.h"
#include "core/list/list_kind.h"
#include "core/search/range_locate.h"

namespace qorl {

ReferenceTarget LocateRoute(const ReferenceRoute& route, const TopicTable& topics,
                            const TableMap& tables) {
  ReferenceTarget target;
  switch (route.kind) {
    case RouteKind::NotHandled:
      return target;
    case RouteKind::InvalidShape:
      target.outcome = ReferenceOutcome::InvalidShape;
      return target;
    case RouteKind::Key:
      target.topic = LocateTopic(topics, route.key, route.title);
      if (target.topic < 0) target.topic = LocateTopic(topics, route.key, {});
      // A port or address inside a block that a topic describes as a whole.
      if (target.topic < 0 && (route.listKind == 2 || route.listKind == 3))
        target.topic = LocateInRange(topics, route.key);
      break;
    case RouteKind::Table:
      target.topic = tables.topicOf(route.tableId);
      if (!topics.isValid(target.topic)) target.topic = -1;
      break;
  }
  target.outcome = target.topic < 0 ? ReferenceOutcome::NotFound : ReferenceOutcome::Found;
  return target;
}

std::string SiblingListPath(const std::string& listPath, int kind) {
  const std::string_view name = ListFileName(kind);
  if (name.empty()) return {};
  namespace fs = std::filesystem;
  const fs::path folder = FilePath(listPath).parent_path();
  std::error_code error;
  const fs::path exact = folder / FilePath(name);
  if (fs::is_regular_file(exact, error)) return Utf8Path(exact);
  std::vector<std::string> matches;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
       !error && it != end; it.increment(error)) {
    const std::string file = Utf8Path(it->path().filename());
    if (ListKindOf(file) == kind && it->is_regular_file(error)) matches.push_back(file);
  }
  if (matches.empty()) return {};
  std::sort(matches.begin(), matches.end());
  return Utf8Path(folder / FilePath(matches.front()));
}

std::string SearchedListMessage(std::string_view message, std::string_view listName) {
  return std::string(message) + " (searched " + std::string(listName) + ")";
}

std::string MissingListMessage(std::string_view message, std::string_view listName) {
  return std::string(message) + " (" + std::string(listName) + " not found)";
}

struct ListShelf::Shelved {
  ListSession session;
  bool opened = false;
  bool tablesBuilt = false;
  TableMap tables;
};

ListShelf::ListShelf(const OpenOptions& options, BusyIndicator& busy, MessageService& messages)
    : options_(options), busy_(busy), messages_(messages) {}

ListShelf::~ListShelf() = default;

ListShelf::Shelved* ListShelf::shelved(const std::string& path) {
  auto it = lists_.find(path);
  if (it == lists_.end()) {
    auto entry = std::make_unique<Shelved>();
    entry->opened = entry->session.open(path, options_, busy_, messages_) == OpenOutcome::Opened;
    it = lists_.emplace(path, std::move(entry)).first;
  }
  return it->second.get();
}

const ListSession* ListShelf::list(const std::string& path) {
  Shelved* entry = shelved(path);
  return entry->opened ? &entry->session : nullptr;
}

const TableMap& ListShelf::tables(const std::string& path) {
  Shelved* entry = shelved(path);
  if (entry->opened && !entry->tablesBuilt) {
    BuildTableMapOfFile(path, entry->session.topics(), entry->tables);
    entry->tablesBuilt = true;
  }
  return entry->tables;
}

FollowedReference FollowReference(ListShelf& shelf, const std::string& listPath,
                                  std::string_view reference, std::string_view currentIdentifier) {
  FollowedReference followed;
  const ReferenceRoute route = RouteReference(reference, ListKindOf(listPath), currentIdentifier);
  followed.tableId = route.tableId;
  if (route.kind == RouteKind::NotHandled || route.kind == RouteKind::InvalidShape) {
    followed.target = LocateRoute(route, TopicTable(), TableMap());
    followed.message = followed.target.message();
    return followed;
  }
  const bool otherList = route.listKind != ListKindOf(listPath);
  followed.listPath = otherList ? SiblingListPath(listPath, route.listKind) : listPath;
  const std::string_view name = ListFileName(route.listKind);
  followed.target.outcome = ReferenceOutcome::NotFound;
  if (followed.listPath.empty()) {
    followed.message = MissingListMessage(kUnableToLocateTopicMessage, name);
    return followed;
  }
  const ListSession* list = shelf.list(followed.listPath);
  if (!list) return followed;  // the list's own error has been shown
  static const TableMap kNoTables;
  followed.target =
      LocateRoute(route, list->topics(),
                  route.kind == RouteKind::Table ? shelf.tables(followed.listPath) : kNoTables);
  const std::string_view message = followed.target.message();
  if (!message.empty())
    followed.message = otherList ? SearchedListMessage(message, name) : std::string(message);
  return followed;
}

}  // namespace qorl
