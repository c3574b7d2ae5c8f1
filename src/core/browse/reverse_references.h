// SPDX-License-Identifier: MIT
#pragma once
// "Referenced by": for a topic, every topic of the lists of a folder that refers to it. Each
// list's references are found as the topic view finds its links (LinkedReferences) and resolved
// as a click on them is (ResolveAndLocate in the list itself; with every reference followed,
// RouteReference into the list the reference leads to), then kept by target so that the
// referrers of a topic are a binary search away.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/list/file_stamp.h"
#include "core/list/topic_table.h"
#include "core/search/follow_reference.h"
#include "core/search/topic_key_index.h"

namespace qorl {

// A list path in the one spelling all lookups compare (lexically normal).
std::string NormalListPath(const std::string& path);

// Where a reference read in a topic leads, resolved with the rules of the viewer's links.
class LinkResolver {
 public:
  LinkResolver(ListShelf& shelf, bool followAll);
  ~LinkResolver();

  struct Target {
    std::string listPath;  // NormalListPath of the list the topic is in
    TopicNumber topic = -1;
  };
  // reference, read in the topic currentIdentifier of the list at listPath; nothing when the
  // reference leads nowhere (or, followAll off, is not one the list follows).
  std::optional<Target> resolve(const std::string& listPath, std::string_view reference,
                                std::string_view currentIdentifier);

  ListShelf& shelf() { return shelf_; }
  bool followAll() const { return followAll_; }

 private:
  const TopicKeyIndex* keys(const std::string& path);
  TopicNumber locate(const std::string& path, const std::string& key, const std::string& title);

  ListShelf& shelf_;
  bool followAll_;
  std::map<std::string, std::unique_ptr<TopicKeyIndex>> keys_;
  std::map<std::string, TopicNumber> located_;  // path + key + title -> topic
};

struct ReferenceEdge {
  std::uint32_t targetList = 0;  // index into ListReferences::targets
  TopicNumber target = -1;
  TopicNumber source = -1;
  std::uint32_t start = 0;  // the reference in the source topic's display text
  std::uint32_t length = 0;
};

// The references of one list, by the topic they lead to.
struct ListReferences {
  std::string listPath;  // NormalListPath
  bool followAll = false;
  std::vector<std::string> targets;  // NormalListPath of each list referred to
  std::vector<ReferenceEdge> edges;  // by target list, target topic, source topic, start
  // Every list read, with its stamp when read: the references hold while these are unchanged.
  std::vector<std::pair<std::string, FileStamp>> inputs;

  // The edges that lead to topic of the list at targetPath (a NormalListPath).
  std::pair<const ReferenceEdge*, const ReferenceEdge*> to(const std::string& targetPath,
                                                           TopicNumber topic) const;
  // True while every list read is as it was.
  bool current() const;
  std::size_t memoryBytes() const;
};

// Reads every topic of the list at listPath and resolves its references. progress(percent)
// is told as the work goes on; when it returns false the work stops and false is returned. A
// list that cannot be opened gives no references.
bool BuildListReferences(LinkResolver& resolver, const std::string& listPath,
                         const std::function<bool(int)>& progress, ListReferences& out);

struct Referrer {
  std::string listPath;
  TopicNumber topic = -1;
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  bool operator==(const Referrer&) const = default;
};

// The references to topic of the list at targetPath from the lists given, in the order of the
// lists, then by referring topic and place.
std::vector<Referrer> ReferrersOf(const std::vector<const ListReferences*>& lists,
                                  const std::string& targetPath, TopicNumber topic);

}  // namespace qorl
