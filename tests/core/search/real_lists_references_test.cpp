// Follows the see-also references of real list files: every offered item of a sample of topics
// must resolve to a topic or to one of the two messages. The share that resolves is printed.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/browse/topic_format.h"
#include "core/search/locate_topic.h"
#include "core/support/mini_scanner_for_tests.h"

namespace qorl {
namespace {

struct ListCase {
  const char* name;
  int kind;
};

class RealListReferences : public ::testing::TestWithParam<ListCase> {};

TEST_P(RealListReferences, OfferedItemsResolveOrGiveAMessage) {
  const ListCase list = GetParam();
  const std::string path = std::string(QORL_LISTS_DIR) + "/" + list.name;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
  test_support::MiniScannedList scanned;
  ASSERT_TRUE(test_support::MiniScanList(path, scanned));
  const TopicTable& table = scanned.table;
  ASSERT_GT(table.count(), 1);

  // Every 50th topic, plus an even spread of at most 400 topics that offer see-also items.
  struct Sampled {
    TopicNumber topic;
    std::vector<std::string> entries;
  };
  std::vector<Sampled> withEntries;
  std::vector<Sampled> sample;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const std::string text = DisplayTextOf(scanned.topicBytes(n));
    FormattedTopic formatted = FormatTopic(text, table.title(n), list.kind, true, {});
    if (n % 50 == 0) {
      sample.push_back({n, formatted.seeAlsoEntries});
    } else if (!formatted.seeAlsoEntries.empty()) {
      withEntries.push_back({n, std::move(formatted.seeAlsoEntries)});
    }
  }
  const std::size_t step = withEntries.size() / 400 + 1;
  for (std::size_t i = 0; i < withEntries.size(); i += step) sample.push_back(withEntries[i]);

  int found = 0;
  int notFound = 0;
  int invalid = 0;
  std::vector<std::string> unresolved;
  for (const Sampled& s : sample) {
    for (const std::string& entry : s.entries) {
      const ReferenceTarget target =
          ResolveAndLocate(table, entry, list.kind, table.identifier(s.topic));
      switch (target.outcome) {
        case ReferenceOutcome::Found:
          ASSERT_TRUE(table.isValid(target.topic));
          EXPECT_GT(target.topic, 0);
          ++found;
          break;
        case ReferenceOutcome::NotFound:
        case ReferenceOutcome::InvalidShape:
          EXPECT_FALSE(target.message().empty());
          (target.outcome == ReferenceOutcome::NotFound ? notFound : invalid)++;
          if (unresolved.size() < 5) unresolved.push_back(entry);
          break;
        case ReferenceOutcome::NotHandled:
          ADD_FAILURE() << "kind " << list.kind << " must be handled: " << entry;
          break;
      }
    }
  }
  const int total = found + notFound + invalid;
  char share[32];
  std::snprintf(share, sizeof share, "%.1f%%", total > 0 ? 100.0 * found / total : 0.0);
  std::cout << "[ references ] " << list.name << ": " << sample.size() << " topics sampled, "
            << total << " offered items, " << found << " resolve (" << share << "), " << notFound
            << " not located, " << invalid << " of the wrong shape";
  if (!unresolved.empty()) {
    std::cout << "; e.g.";
    for (const std::string& entry : unresolved) std::cout << " [" << entry << "]";
  }
  std::cout << "\n";
  // Release 61 resolves at least 95% in every list; a broken key shape shows up here first.
  EXPECT_GE(found * 100, total * 90) << list.name;
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

}  // namespace
}  // namespace qorl
