// SPDX-License-Identifier: MIT
#pragma once
// Following a routed reference (RouteReference) to its topic, in the open list or in another
// list of the same folder, and the messages that say why a reference led nowhere.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/browse/reference_route.h"
#include "core/browse/table_map.h"
#include "core/list/list_session.h"
#include "core/search/locate_topic.h"

namespace qorl {

// Looks a route up in the topics (and table map) of the list it leads to: a key with its title
// text, then without it, as ResolveAndLocate does, and for a port or memory key that names no
// identifier the topic whose range holds it (LocateInRange); a table by its first definition.
// NotHandled and InvalidShape routes give those outcomes.
ReferenceTarget LocateRoute(const ReferenceRoute& route, const TopicTable& topics,
                            const TableMap& tables);

// The list file of the given kind in the folder of listPath, its name compared in any case
// (the capitalised name first when both spellings exist); empty when the folder has none.
std::string SiblingListPath(const std::string& listPath, int kind);

// A message of a reference looked up in a list other than the open one, naming that list:
// "... (searched PORTS.LST)"; when the folder holds no such list: "... (PORTS.LST not found)".
std::string SearchedListMessage(std::string_view message, std::string_view listName);
std::string MissingListMessage(std::string_view message, std::string_view listName);

// The lists of a folder as far as following references needs them: each opened on first use
// with the same options, and its table map built on first use.
class ListShelf {
 public:
  ListShelf(const OpenOptions& options, BusyIndicator& busy, MessageService& messages);
  ~ListShelf();

  // The list at path, opened on first use; nullptr when it cannot be opened (reported then).
  const ListSession* list(const std::string& path);
  // Its table map (empty when the list cannot be read).
  const TableMap& tables(const std::string& path);

 private:
  struct Shelved;
  Shelved* shelved(const std::string& path);

  OpenOptions options_;
  BusyIndicator& busy_;
  MessageService& messages_;
  std::map<std::string, std::unique_ptr<Shelved>> lists_;
};

struct FollowedReference {
  ReferenceTarget target;
  std::string listPath;  // the list looked in (empty when there was none)
  std::string tableId;   // the table a table reference names
  std::string message;   // what to tell the user; empty when found or nothing is to be said
};

// Follows reference, read in the topic currentIdentifier of the list at listPath, in that list
// or in the list of the reference's kind beside it.
FollowedReference FollowReference(ListShelf& shelf, const std::string& listPath,
                                  std::string_view reference, std::string_view currentIdentifier);

}  // namespace qorl
