// SPDX-License-Identifier: MIT
#pragma once
// The topics of every list of a lists location, held in memory for Go to Topic: each list's topic
// table (read from a current index file, else scanned; no index is written), its table map, and
// one line per topic, "IDENTIFIER TITLE" with a to z in capitals, that a query's words are
// searched in. A list is kept as long as its file is unchanged; refreshing reads again only the
// lists whose file changed.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/browse/table_map.h"
#include "core/list/file_stamp.h"
#include "core/list/list_session.h"

namespace qorl {

struct LookupList {
  std::string path;
  std::string name;  // the file's name, as the rows show it
  int kind = 0;      // ListKindOf
  FileStamp stamp;
  ListSession session;
  TableMap tables;
  // Topic n's line is folded[lineStarts[n], lineStarts[n + 1] - 1), then a line feed.
  std::string folded;
  std::vector<std::uint32_t> lineStarts;

  const TopicTable& topics() const { return session.topics(); }
};

using LookupLists = std::vector<std::shared_ptr<const LookupList>>;

// Reads the list at path: nullptr when it cannot be read.
std::shared_ptr<const LookupList> LoadLookupList(const std::string& path);

// The lists at paths, in that order: a list of held whose file has not changed is kept, the
// others are read (lists that cannot be read are left out). cancel (may be null) stops the
// reading between lists; what was read so far is returned.
LookupLists RefreshLookupLists(const LookupLists& held, const std::vector<std::string>& paths,
                               const std::atomic<bool>* cancel = nullptr);

// Whether held is the lists at paths, each with its file unchanged.
bool LookupListsCurrent(const LookupLists& held, const std::vector<std::string>& paths);

// The list files of a lists location, in the Open List menu's order (at most its number of
// entries; 86BUGS.LST and GLOSSARY.LST only with displayAllLists).
std::vector<std::string> LookupListPaths(const std::string& listsFolder, bool displayAllLists);

}  // namespace qorl
