// Follows the see-also references of real list files: every offered item of a sample of topics
// must resolve to a topic or to one of the two messages. The share that resolves is printed.

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "core/browse/topic_format.h"
#include "core/search/locate_topic.h"
#include "core/support/mini_scanner_for_tests.h"

namespace qorl {
namespace {

struct ListCase {
  const char* name;
  int kind;
  int step;  // every step-th topic that offers see-also items is followed
};

class RealListReferences : public ::testing::TestWithParam<ListCase> {};

TEST_P(RealListReferences, OfferedItemsResolveOrGiveAMessage) {
  const ListCase list = GetParam();
  const std::string path = std::string(QORL_LISTS_DIR) + "/" + list.name;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
  test_support::MiniScannedList scanned;
  ASSERT_TRUE(test_support::MiniScanList(path, scanned));
  const TopicTable& table = scanned.table;

  // Every 50th topic and every step-th topic that offers see-also items.
  int found = 0, notFound = 0, invalid = 0, offering = 0;
  std::string examples;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const FormattedTopic formatted =
        FormatTopic(DisplayTextOf(scanned.topicBytes(n)), table.title(n), list.kind, true, {});
    const bool offers = !formatted.seeAlsoEntries.empty();
    if (n % 50 != 0 && !(offers && offering++ % list.step == 0)) continue;
    for (const std::string& entry : formatted.seeAlsoEntries) {
      const ReferenceTarget target = ResolveAndLocate(table, entry, list.kind, table.identifier(n));
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

std::string ListCaseName(const ::testing::TestParamInfo<ListCase>& param) {
  const std::string name = param.param.name;
  return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Lists, RealListReferences,
                         ::testing::Values(ListCase{"INTERRUP.LST", 1, 8},
                                           ListCase{"PORTS.LST", 2, 1},
                                           ListCase{"MEMORY.LST", 3, 1}, ListCase{"CMOS.LST", 4, 1},
                                           ListCase{"FARCALL.LST", 5, 1}, ListCase{"MSR.LST", 6, 1},
                                           ListCase{"I2C.LST", 7, 1}),
                         ListCaseName);

}  // namespace
}  // namespace qorl
