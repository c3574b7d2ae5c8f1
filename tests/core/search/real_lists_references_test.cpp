// SPDX-License-Identifier: MIT
// Follows the see-also references of real list files: every offered item of every topic must
// resolve to a topic or to one of the two messages. The share that resolves is printed.

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <unordered_map>

#include "core/browse/reference_key.h"
#include "core/browse/reference_route.h"
#include "core/browse/topic_format.h"
#include "core/list/list_scanner.h"
#include "core/search/follow_reference.h"
#include "core/search/locate_topic.h"
#include "core/support/recording_messages.h"
#include "core/support/scanned_list.h"

namespace qorl {
namespace {

using test::ScanList;
using test::ScannedList;

struct ListCase {
  const char* name;
  int kind;
};

// The list of the case, scanned; skipped when the lists folder does not hold it.
class RealListReferences : public ::testing::TestWithParam<ListCase> {
 protected:
  void SetUp() override {
    path = std::string(QORL_LISTS_DIR) + "/" + GetParam().name;
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
    ASSERT_TRUE(ScanList(path, scanned));
  }

  std::string path;
  ScannedList scanned;
};

TEST_P(RealListReferences, OfferedItemsResolveOrGiveAMessage) {
  const ListCase list = GetParam();
  const TopicTable& table = scanned.table;

  // Every offered item of every topic. Many items name the same key and title text, whose
  // target is looked up once.
  std::unordered_map<std::string, ReferenceTarget> targets;
  int found = 0, notFound = 0, invalid = 0;
  std::string examples;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const FormattedTopic formatted =
        FormatTopic(DisplayTextOf(scanned.topicBytes(n)), table.title(n), list.kind, true, {});
    const std::string_view current = table.identifier(n);
    for (const std::string& entry : formatted.seeAlsoEntries) {
      const ReferenceKey key = ResolveReference(entry, list.kind, current);
      const std::string lookup = key.key + '"' + key.title;
      auto known = targets.find(lookup);
      if (known == targets.end()) {
        known = targets.emplace(lookup, ResolveAndLocate(table, entry, list.kind, current)).first;
      }
      const ReferenceTarget& target = known->second;
      ASSERT_NE(target.outcome, ReferenceOutcome::NotHandled) << entry;
      if (target.outcome == ReferenceOutcome::Found) {
        EXPECT_TRUE(target.topic > 0 && target.topic < table.count());
        ++found;
        continue;
      }
      EXPECT_FALSE(target.message().empty());
      (target.outcome == ReferenceOutcome::NotFound ? notFound : invalid)++;
      if (notFound + invalid <= 3) examples += " [" + entry + "]";
    }
  }
  const int total = found + notFound + invalid;
  std::cout << "[ references ] " << list.name << ": " << total << " offered items, " << found
            << " resolve (" << (total > 0 ? 1000 * found / total / 10.0 : 0.0) << "%), " << notFound
            << " not located, " << invalid << " of the wrong shape" << examples << "\n";
  // Release 61 resolves over 95% in every list; a broken key shape shows up here first.
  EXPECT_GE(found * 100, total * 90) << list.name;
}

// With every reference followed: the table references and the references into other lists
// that become links, and how many of them lead to a topic. The lists beside this one are
// scanned, never indexed, so the lists folder is only read. Lists without a grammar of their
// own (SMM.LST, TABLES.LST, ...) take part here too.
class RealListAllReferences : public RealListReferences {};

TEST_P(RealListAllReferences, TableAndOtherListReferencesResolve) {
  const ListCase list = GetParam();
  const TopicTable& table = scanned.table;
  test::RecordingMessages messages;
  NullBusyIndicator busy;
  OpenOptions options;
  options.policy.loadTopicsDirect = true;
  ListShelf shelf(options, busy, messages);
  FormatSettings settings;
  settings.followAllReferences = true;

  struct Count {
    int found = 0;
    int resolved = 0;
  } tables, others;
  std::unordered_map<std::string, bool> resolved;  // by list kind, key, title and table
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const std::string text = DisplayTextOf(scanned.topicBytes(n));
    const std::string_view current = table.identifier(n);
    for (const FormatSpan& span :
         FormatTopic(text, table.title(n), list.kind, true, settings).spans) {
      if (!span.link) continue;
      const std::string reference =
          text.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
      const ReferenceRoute route = RouteReference(reference, list.kind, current);
      if (route.kind != RouteKind::Key && route.kind != RouteKind::Table) {
        // Only an item the list offers may be a link that leads nowhere.
        EXPECT_FALSE(span.underline) << reference;
        continue;
      }
      const bool isTable = route.kind == RouteKind::Table;
      if (!isTable && route.listKind == list.kind) continue;
      const std::string lookup =
          std::to_string(route.listKind) + route.key + '"' + route.title + '#' + route.tableId;
      auto known = resolved.find(lookup);
      if (known == resolved.end()) {
        const FollowedReference followed = FollowReference(shelf, path, reference, current);
        known = resolved.emplace(lookup, followed.target.outcome == ReferenceOutcome::Found).first;
      }
      Count& count = isTable ? tables : others;
      ++count.found;
      if (known->second) ++count.resolved;
    }
  }
  std::cout << "[ references ] " << list.name << ": table references " << tables.resolved << " of "
            << tables.found << " resolve, references into other lists " << others.resolved << " of "
            << others.found << " resolve\n";
  EXPECT_TRUE(messages.empty());
  EXPECT_GE(tables.resolved * 100, tables.found * 90) << list.name;
  EXPECT_GE(others.resolved * 100, others.found * 80) << list.name;
}

std::string ListCaseName(const ::testing::TestParamInfo<ListCase>& param) {
  const std::string name = param.param.name;
  return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Lists, RealListReferences,
                         ::testing::Values(ListCase{"INTERRUP.LST", 1}, ListCase{"PORTS.LST", 2},
                                           ListCase{"MEMORY.LST", 3}, ListCase{"CMOS.LST", 4},
                                           ListCase{"FARCALL.LST", 5}, ListCase{"MSR.LST", 6},
                                           ListCase{"I2C.LST", 7}),
                         ListCaseName);
INSTANTIATE_TEST_SUITE_P(Lists, RealListAllReferences,
                         ::testing::Values(ListCase{"INTERRUP.LST", 1}, ListCase{"PORTS.LST", 2},
                                           ListCase{"MEMORY.LST", 3}, ListCase{"CMOS.LST", 4},
                                           ListCase{"FARCALL.LST", 5}, ListCase{"MSR.LST", 6},
                                           ListCase{"I2C.LST", 7}, ListCase{"OPCODES.LST", 8},
                                           ListCase{"SMM.LST", 9}, ListCase{"TABLES.LST", 10},
                                           ListCase{"BIBLIO.LST", 11}),
                         ListCaseName);

}  // namespace
}  // namespace qorl
