// SPDX-License-Identifier: MIT
#include "core/browse/reverse_references.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "core/browse/linked_references.h"
#include "core/browse/reference_key.h"
#include "core/browse/reference_route.h"
#include "core/browse/topic_format.h"
#include "core/list/file_path.h"
#include "core/list/list_kind.h"
#include "core/search/range_locate.h"

namespace qorl {

std::string NormalListPath(const std::string& path) {
  return Utf8Path(FilePath(path).lexically_normal());
}

LinkResolver::LinkResolver(ListShelf& shelf, bool followAll)
    : shelf_(shelf), followAll_(followAll) {}

LinkResolver::~LinkResolver() = default;

const TopicKeyIndex* LinkResolver::keys(const std::string& path) {
  auto it = keys_.find(path);
  if (it == keys_.end()) {
    const ListSession* list = shelf_.list(path);
    it =
        keys_.emplace(path, list ? std::make_unique<TopicKeyIndex>(list->topics()) : nullptr).first;
  }
  return it->second.get();
}

TopicNumber LinkResolver::locate(const std::string& path, const std::string& key,
                                 const std::string& title) {
  std::string memo = path;
  memo.append(1, '\0').append(key).append(1, '\0').append(title);
  auto it = located_.find(memo);
  if (it != located_.end()) return it->second;
  TopicNumber n = -1;
  if (const TopicKeyIndex* index = keys(path)) {
    // With the title text first, then by the key alone, as links do.
    n = index->locate(key, title);
    if (n < 0) n = index->locate(key, {});
  }
  located_.emplace(std::move(memo), n);
  return n;
}

std::optional<LinkResolver::Target> LinkResolver::resolve(const std::string& listPath,
                                                          std::string_view reference,
                                                          std::string_view currentIdentifier) {
  const int kind = ListKindOf(listPath);
  if (!followAll_) {
    if (kind < 1 || kind > 7) return std::nullopt;
    const ReferenceKey key = ResolveReference(reference, kind, currentIdentifier);
    if (key.status != ReferenceStatus::Key) return std::nullopt;
    const TopicNumber n = locate(NormalListPath(listPath), key.key, key.title);
    if (n < 0) return std::nullopt;
    return Target{NormalListPath(listPath), n};
  }
  const ReferenceRoute route = RouteReference(reference, kind, currentIdentifier);
  if (route.kind != RouteKind::Key && route.kind != RouteKind::Table) return std::nullopt;
  const std::string path =
      NormalListPath(route.listKind == kind ? listPath : SiblingListPath(listPath, route.listKind));
  if (path.empty() || path == ".") return std::nullopt;
  if (route.kind == RouteKind::Key) {
    TopicNumber n = locate(path, route.key, route.title);
    // A port or address inside a block that a topic describes as a whole, as links find it.
    if (n < 0 && (route.listKind == 2 || route.listKind == 3)) {
      if (const ListSession* list = shelf_.list(path)) n = LocateInRange(list->topics(), route.key);
    }
    if (n < 0) return std::nullopt;
    return Target{path, n};
  }
  const ListSession* list = shelf_.list(path);
  if (!list) return std::nullopt;
  const TopicNumber n = shelf_.tables(path).topicOf(route.tableId);
  if (!list->topics().isValid(n)) return std::nullopt;
  return Target{path, n};
}

std::pair<const ReferenceEdge*, const ReferenceEdge*> ListReferences::to(
    const std::string& targetPath, TopicNumber topic) const {
  const auto list = std::find(targets.begin(), targets.end(), targetPath);
  if (list == targets.end()) return {nullptr, nullptr};
  const auto index = static_cast<std::uint32_t>(list - targets.begin());
  const auto range =
      std::equal_range(edges.begin(), edges.end(), ReferenceEdge{index, topic, 0, 0, 0},
                       [](const ReferenceEdge& a, const ReferenceEdge& b) {
                         return std::tie(a.targetList, a.target) < std::tie(b.targetList, b.target);
                       });
  if (range.first == range.second) return {nullptr, nullptr};
  return {&*range.first, &*range.first + (range.second - range.first)};
}

bool ListReferences::current() const {
  for (const auto& [path, stamp] : inputs) {
    const std::optional<FileStamp> now = ReadFileStamp(path);
    if (!now || !(*now == stamp)) return false;
  }
  return true;
}

std::size_t ListReferences::memoryBytes() const {
  std::size_t bytes =
      sizeof(*this) + listPath.capacity() + edges.capacity() * sizeof(ReferenceEdge);
  for (const std::string& target : targets) bytes += sizeof(target) + target.capacity();
  for (const auto& input : inputs) bytes += sizeof(input) + input.first.capacity();
  return bytes;
}

bool BuildListReferences(LinkResolver& resolver, const std::string& listPath,
                         const std::function<bool(int)>& progress, ListReferences& out) {
  out = ListReferences();
  out.listPath = NormalListPath(listPath);
  out.followAll = resolver.followAll();
  ListShelf& shelf = resolver.shelf();
  const ListSession* list = shelf.list(out.listPath);
  if (!list) return true;
  const TopicTable& topics = list->topics();
  const int kind = ListKindOf(out.listPath);
  std::string bytes;
  int reported = -1;
  for (TopicNumber n = 0; n < topics.count(); ++n) {
    const int percent = static_cast<int>(static_cast<std::int64_t>(n) * 100 / topics.count());
    if (percent != reported) {
      reported = percent;
      if (progress && !progress(percent)) return false;
    }
    if (list->readTopic(n, bytes) != ReadTopicResult::Ok) continue;
    const std::string text = DisplayTextOf(bytes);
    const std::string_view identifier = topics.identifier(n);
    for (const TextRange& range :
         LinkedReferences(text, topics.title(n), kind, list->parseTopics(), out.followAll)) {
      const std::string_view reference = std::string_view(text).substr(range.start, range.length);
      const auto target = resolver.resolve(out.listPath, reference, identifier);
      if (!target) continue;
      auto at = std::find(out.targets.begin(), out.targets.end(), target->listPath);
      if (at == out.targets.end()) at = out.targets.insert(at, target->listPath);
      out.edges.push_back({static_cast<std::uint32_t>(at - out.targets.begin()), target->topic, n,
                           static_cast<std::uint32_t>(range.start),
                           static_cast<std::uint32_t>(range.length)});
    }
  }
  std::sort(out.edges.begin(), out.edges.end(), [](const ReferenceEdge& a, const ReferenceEdge& b) {
    return std::tie(a.targetList, a.target, a.source, a.start) <
           std::tie(b.targetList, b.target, b.source, b.start);
  });
  out.edges.shrink_to_fit();
  out.inputs.emplace_back(out.listPath, list->stamp());
  for (const std::string& target : out.targets) {
    if (target == out.listPath) continue;
    if (const ListSession* other = shelf.list(target))
      out.inputs.emplace_back(target, other->stamp());
  }
  if (progress) progress(100);
  return true;
}

std::vector<Referrer> ReferrersOf(const std::vector<const ListReferences*>& lists,
                                  const std::string& targetPath, TopicNumber topic) {
  std::vector<Referrer> referrers;
  for (const ListReferences* list : lists) {
    if (!list) continue;
    const auto [begin, end] = list->to(targetPath, topic);
    for (const ReferenceEdge* edge = begin; edge != end; ++edge)
      referrers.push_back({list->listPath, edge->source, edge->start, edge->length});
  }
  return referrers;
}

}  // namespace qorl
