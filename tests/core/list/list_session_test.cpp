// SPDX-License-Identifier: MIT
#include "core/list/list_session.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/list/index_file.h"
#include "core/support/list_builder.h"
#include "core/support/recording_busy.h"
#include "core/support/recording_messages.h"
#include "core/support/temp_dir.h"
#include "core/support/worked_example.h"

namespace qorl {
namespace {

using test::kWorkedIndex;

using test::ListBuilder;

const std::string kWorkedList = ListBuilder()
                                    .line("Header text")
                                    .topic('D', "0100", "First topic title", "Body line")
                                    .topic('D', "0101", "Second topic title")
                                    .str();

// An index line whose topic ends where kWorkedList ends, so that an index holding it last fits.
const std::string kFittingLastLine =
    "Z\x14"
    "D\x15"
    "143\x16"
    "20\x17\x18\x1F\r\n";

constexpr std::uint32_t kStamp = (40u << 25) | (5u << 21) | (17u << 16) | (9u << 11) | (30u << 5);

IndexPolicy Use() {
  return {};
}
IndexPolicy NoUpdate() {
  return {true, false};
}
IndexPolicy NoUse() {
  return {false, true};
}

class ListSessionTest : public ::testing::Test {
 protected:
  // Writes a list with a fixed stamp and returns its path.
  std::string writeList(const std::string& name, const std::string& bytes) {
    const std::string path = dir.write(name, bytes);
    ApplyFileStamp(path, FileStamp{kStamp, 0, false, {}});
    return path;
  }
  // Writes an index file carrying the given stamp.
  std::string writeIndex(const std::string& name, const std::string& bytes,
                         std::uint32_t stamp = kStamp) {
    const std::string path = dir.write(name, bytes);
    ApplyFileStamp(path, FileStamp{stamp, 0, false, {}});
    return path;
  }
  OpenOutcome open(const std::string& path, IndexPolicy policy = {}, bool rescan = false,
                   bool onlyParseLst = true) {
    OpenOptions options;
    options.policy = policy;
    options.rescan = rescan;
    options.onlyParseLst = onlyParseLst;
    const OpenOutcome outcome = session.open(path, options, busy, messages);
    EXPECT_EQ(busy.depth, 0) << "busy pattern not ended";
    return outcome;
  }
  // Opens the three-topic list under the policy over the index, which is neither read nor
  // replaced.
  void expectIndexPassedOver(const std::string& list, IndexPolicy policy, const std::string& index,
                             const std::string& indexBytes) {
    writeIndex(index, indexBytes);
    ASSERT_EQ(open(list, policy), OpenOutcome::Opened);
    EXPECT_EQ(session.source(), TopicSource::Scan);
    EXPECT_EQ(session.topics().count(), 3);
    EXPECT_EQ(test::ReadBytes(session.indexPath()), indexBytes);
  }

  test::TempDir dir;
  test::RecordingBusy busy;
  test::RecordingMessages messages;
  ListSession session;
};

// Paths are UTF-8 on every system, also where the file system names files in UTF-16 (Windows).
TEST_F(ListSessionTest, PathsBeyondAsciiAreUtf8) {
  const std::filesystem::path folder = std::filesystem::path(dir.path()) / u8"Listen \u00e4\u20ac";
  std::filesystem::create_directory(folder);
  std::ofstream(folder / u8"PORTS.LST", std::ios::binary) << kWorkedList;
  const std::string list = dir.path() + "/Listen \xC3\xA4\xE2\x82\xAC/PORTS.LST";
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(std::filesystem::exists(folder / u8"PORTS.qorlv"));
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  std::string topic;
  EXPECT_EQ(session.readTopic(1, topic), ReadTopicResult::Ok);
  EXPECT_EQ(topic.substr(0, 17), "First topic title");
}

TEST_F(ListSessionTest, ScanWritesTheIndexAndTheNextOpeningReadsIt) {
  const std::string list = writeList("INTERRUP.LST", kWorkedList);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(session.listKind(), 1);
  EXPECT_EQ(session.indexPath(), dir.file("INTERRUP.qorlv"));
  EXPECT_EQ(busy.hints.back(), "Creating new indexfile for INTERRUP.LST...");
  EXPECT_EQ(test::ReadBytes(session.indexPath()), kWorkedIndex);
  EXPECT_EQ(ReadFileStamp(session.indexPath())->dosDateTime, kStamp);

  // Opening the open list again reads the index.
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_EQ(busy.hints.back(), "Loading topics of INTERRUP.LST...");
  ASSERT_EQ(session.topics().count(), 3);
  EXPECT_EQ(session.topics().title(2), "Second topic title");
  std::string text;
  ASSERT_EQ(session.readTopic(1, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, "First topic title\r\nBody line\r\n");
}

TEST_F(ListSessionTest, IndexIsCurrentOnlyWithAnEqualStamp) {
  const std::string list = writeList("PORTS.LST", kWorkedList);
  // Equal stamp: used even though it does not match the list's contents (its one topic ends
  // where the list ends).
  const std::string other =
      "X\x14Q\x15"
      "0\x16"
      "163\x17\x18\x1F"
      "from index\r\n";
  writeIndex("PORTS.qorlv", other);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_EQ(session.topics().identifier(0), "X");

  // Two seconds apart: scanned and rewritten.
  writeIndex("PORTS.qorlv", other, kStamp + 1);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(test::ReadBytes(session.indexPath()), kWorkedIndex);
}

TEST_F(ListSessionTest, IndexPolicies) {
  const std::string list = writeList("MEMORY.LST", kWorkedList);
  const std::string index = dir.file("MEMORY.qorlv");

  // Don't update: a missing index is not created, every time.
  ASSERT_EQ(open(list, NoUpdate()), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(busy.hints.back(), "Loading topics from MEMORY.LST...");
  EXPECT_FALSE(std::filesystem::exists(index));

  // Don't update: a current index is read.
  writeIndex("MEMORY.qorlv", kWorkedIndex);
  ASSERT_EQ(open(list, NoUpdate()), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);

  // Don't use: a current index is neither read nor replaced.
  const std::string marked =
      "M\x14M\x15"
      "0\x16"
      "1\x17\x18\x1F\r\n";
  expectIndexPassedOver(list, NoUse(), "MEMORY.qorlv", marked);

  // Rescan under the first policy: scanned and rewritten although current.
  ASSERT_EQ(open(list, Use(), true), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(test::ReadBytes(index), kWorkedIndex);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, DamagedIndexIsStale) {
  const std::string list = writeList("CMOS.LST", kWorkedList);
  const std::string damaged =
      "X\x14Q\x15"
      "zero\x16"
      "5\x17\x18\x1F\r\n";

  expectIndexPassedOver(list, NoUpdate(), "CMOS.qorlv", damaged);

  ASSERT_EQ(open(list, Use()), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(test::ReadBytes(session.indexPath()), kWorkedIndex);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, FileThatIsItsOwnIndexIsScannedAndNeverOverwritten) {
  // "X.qorlv" opened as a list names itself as its index. Reading it as one would mistake it
  // for its own index; writing one would replace the user's file.
  const std::string notAnIndex = kWorkedList + "not index lines\r\n";
  const std::string list = writeList("NOTES.qorlv", notAnIndex);
  ASSERT_EQ(open(list, Use(), false, false), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(session.topics().count(), 3);
  EXPECT_EQ(test::ReadBytes(list), notAnIndex);
  EXPECT_TRUE(messages.empty());

  // A real index file opened as a list is scanned too, and stays as it was.
  const std::string index = writeList("OTHER.qorlv", kWorkedIndex);
  ASSERT_EQ(open(index, Use()), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(test::ReadBytes(index), kWorkedIndex);
}

TEST_F(ListSessionTest, NameWithAByteZeroGetsNoIndexThatWouldCutTheList) {
  // Reading an index stops at a byte 0, so an index of this list would drop its last topic.
  const std::string list = writeList(
      "MSR.LST",
      ListBuilder().topic('M', "0001", std::string("a\0b", 3)).topic('M', "0002", "second").str());
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to create indexfile !"}));
  EXPECT_FALSE(std::filesystem::exists(session.indexPath()));
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  ASSERT_EQ(session.topics().count(), 2);
  EXPECT_EQ(session.topics().title(0), std::string_view("a\0b", 3));
}

TEST_F(ListSessionTest, DeviceIsNoListAndClosesTheOpenOne) {
  if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero on this system";
  const std::string list = writeList("BIBLIO.LST", kWorkedList);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  // Without the check, /dev/zero would be read until memory runs out.
  EXPECT_EQ(open("/dev/zero"), OpenOutcome::LoadFailed);
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to load list !"}));
  EXPECT_FALSE(session.isOpen());
  EXPECT_TRUE(session.topics().empty());
}

TEST_F(ListSessionTest, EmptyCurrentIndexGivesAnEmptyTable) {
  const std::string list = writeList("SMM.LST", kWorkedList);
  writeIndex("SMM.qorlv", "");
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_TRUE(session.topics().empty());
}

TEST_F(ListSessionTest, MissingFileLeavesTheOpenListAlone) {
  const std::string list = writeList("BIBLIO.LST", kWorkedList);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(open(dir.file("PORTS.LST")), OpenOutcome::NotFound);
  EXPECT_EQ(messages.informations, (std::vector<std::string>{"Unable to find \"PORTS.LST\" !"}));
  EXPECT_TRUE(session.isOpen());
  EXPECT_EQ(session.listPath(), list);
  EXPECT_EQ(session.listKind(), 11);
}

TEST_F(ListSessionTest, OnlyLstFilesAreSplitWhenAsked) {
  const std::string notes = writeList("notes.txt", kWorkedList);
  ASSERT_EQ(open(notes), OpenOutcome::Opened);
  EXPECT_FALSE(session.parseTopics());
  ASSERT_EQ(session.topics().count(), 1);
  EXPECT_EQ(session.topics().identifier(0), "NOTES.TXT");
  EXPECT_EQ(session.topics().record(0).length, 161);
  EXPECT_EQ(session.listKind(), 0);

  ASSERT_EQ(open(notes, Use(), true, false), OpenOutcome::Opened);
  EXPECT_TRUE(session.parseTopics());
  EXPECT_EQ(session.topics().count(), 3);

  const std::string lower = writeList("LIST.lst", kWorkedList);
  ASSERT_EQ(open(lower), OpenOutcome::Opened);
  EXPECT_EQ(session.topics().count(), 3);
}

TEST_F(ListSessionTest, ReadOnlyListGetsAReadOnlyIndexThatCanStillBeReplaced) {
  const std::string list = dir.write("MSR.LST", kWorkedList);
  ApplyFileStamp(list, FileStamp{kStamp, 0, true, {}});
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_TRUE(ReadFileStamp(session.indexPath())->readOnly);

  // The list changes: its read-only stale index is replaced without an error.
  ::chmod(list.c_str(), 0644);
  const std::string changed = kWorkedList + test::Separator('E', "0102") + test::Line("new");
  dir.write("MSR.LST", changed);
  ApplyFileStamp(list, FileStamp{kStamp + 2, 0, true, {}});
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(session.topics().count(), 4);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
}

TEST_F(ListSessionTest, UnwritableIndexReportsErrorTwoAndKeepsTheTable) {
  const std::string list = writeList("I2C.LST", kWorkedList);
  std::filesystem::create_directory(dir.file("I2C.qorlv"));
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to create indexfile !"}));
  EXPECT_EQ(session.topics().count(), 3);
  EXPECT_EQ(session.listKind(), 7);
}

TEST_F(ListSessionTest, OversizedListIsRefusedAndClosed) {
  const std::string small = writeList("TABLES.LST", kWorkedList);
  ASSERT_EQ(open(small), OpenOutcome::Opened);
  const std::string big = dir.write("FARCALL.LST", "");
  std::filesystem::resize_file(big, std::uintmax_t{1} << 31);  // sparse
  EXPECT_EQ(open(big), OpenOutcome::LoadFailed);
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to load list !"}));
  EXPECT_FALSE(session.isOpen());
  EXPECT_EQ(session.listKind(), -1);
  EXPECT_TRUE(session.topics().empty());
  EXPECT_FALSE(std::filesystem::exists(dir.file("FARCALL.qorlv")));
}

TEST_F(ListSessionTest, ReadTopicBounds) {
  const std::string list = writeList("OPCODES.LST", kWorkedList);
  // An index whose last range runs past the end of the file.
  writeIndex("OPCODES.qorlv",
             "A\x14"
             "D\x15"
             "150\x16"
             "100\x17\x18\x1F\r\n"
             "B\x14"
             "D\x15"
             "9999\x16"
             "5\x17\x18\x1F\r\n"
             "C\x14"
             "D\x15"
             "150\x16"
             "2147483647\x17\x18\x1F\r\n" +
                 kFittingLastLine);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  ASSERT_EQ(session.source(), TopicSource::Index);
  std::string text;
  ASSERT_EQ(session.readTopic(0, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, kWorkedList.substr(150));
  ASSERT_EQ(session.readTopic(1, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, "");
  // A damaged length reserves only what the file holds.
  ASSERT_EQ(session.readTopic(2, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, kWorkedList.substr(150));
  EXPECT_LT(text.capacity(), std::size_t{1} << 20);
  EXPECT_EQ(session.readTopic(4, text), ReadTopicResult::Failed);
  EXPECT_EQ(session.readTopic(-1, text), ReadTopicResult::Failed);
  // A length far beyond the file reads what is there without claiming memory for the rest.
  writeIndex("OPCODES.qorlv",
             "A\x14"
             "D\x15"
             "150\x16"
             "2147483647\x17\x18\x1F\r\n" +
                 kFittingLastLine);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  ASSERT_EQ(session.readTopic(0, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, kWorkedList.substr(150));
  EXPECT_LT(text.capacity(), std::size_t{1} << 20);
  // Earlier reads past the end do not spoil later ones.
  ASSERT_EQ(session.readTopic(0, text), ReadTopicResult::Ok);
  EXPECT_EQ(text.size(), kWorkedList.size() - 150);

  session.close();
  session.close();
  EXPECT_FALSE(session.isOpen());
  EXPECT_EQ(session.readTopic(0, text), ReadTopicResult::Failed);
  EXPECT_TRUE(session.listPath().empty());
}

TEST_F(ListSessionTest, ListStampedBefore1980IsRescannedWhenItChanges) {
  // Every time before 1980 has the same DOS form; there the exact times decide.
  const auto stampAt = [](const std::string& path, std::int64_t seconds) {
    FileStamp stamp;
    stamp.exactTime = seconds;
    ASSERT_TRUE(ApplyFileStamp(path, stamp));
  };
  const std::string list = dir.write("SMM.LST", kWorkedList);
  stampAt(list, 170'000'000);  // 1975
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);

  // Changed in place (same size) and stamped 1970.
  std::string changed = kWorkedList;
  changed.replace(changed.find("First"), 5, "Other");
  dir.write("SMM.LST", changed);
  stampAt(list, 86'400);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(session.topics().title(1), "Other topic title");
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, ListsSharingAnIndexNameAndAStampShowTheirOwnTopics) {
  // INTERRUP.A and INTERRUP.LST both use INTERRUP.qorlv; an index whose topics do not end where
  // the list ends belongs to the other one.
  const std::string section =
      writeList("INTERRUP.A", kWorkedList + ListBuilder().topic('E', "0102", "Third").str());
  const std::string whole = writeList("INTERRUP.LST", kWorkedList);
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(open(section, Use(), false, false), OpenOutcome::Opened);
    EXPECT_EQ(session.topics().count(), 4);
    EXPECT_EQ(session.source(), TopicSource::Scan);
    ASSERT_EQ(open(whole), OpenOutcome::Opened);
    EXPECT_EQ(session.topics().count(), 3);
    EXPECT_EQ(session.source(), TopicSource::Scan);
  }
  ASSERT_EQ(open(whole), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, FieldMarksInNamesGetNoIndexAndErrorTwoOnce) {
  // Reading an index cuts an identifier at 0x14; such a list is scanned at every opening, and
  // error 2 is not repeated while the list stays unchanged.
  const std::string list = writeList("SMM.LST", ListBuilder()
                                                    .topic('M',
                                                           "00\x14"
                                                           "01",
                                                           "a\x1F"
                                                           "b\x16")
                                                    .topic('M', "0002", "second")
                                                    .str());
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(open(list), OpenOutcome::Opened);
    EXPECT_EQ(session.source(), TopicSource::Scan);
    ASSERT_EQ(session.topics().count(), 2);
    EXPECT_EQ(session.topics().identifier(0),
              "00\x14"
              "01");
    EXPECT_EQ(session.topics().category(0), 'M');
    EXPECT_EQ(session.topics().title(0),
              "a\x1F"
              "b\x16");
  }
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to create indexfile !"}));
  EXPECT_FALSE(std::filesystem::exists(session.indexPath()));
}

// A title runs from its field mark to the line end, so field marks in titles fit an index.
TEST_F(ListSessionTest, FieldMarksInTitlesGetAnIndexThatGivesThemBack) {
  const std::string title = "marks \x14\x15\x16\x17\x18\x19\x1B\x1C\x1D\x1E\x1F end";
  const std::string list =
      writeList("SMM.LST", ListBuilder().topic('M', "0001", title).topic('M', "0002", "x").str());
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  ASSERT_EQ(session.topics().count(), 2);
  EXPECT_EQ(session.topics().identifier(0), "0001");
  EXPECT_EQ(session.topics().title(0), title);
  EXPECT_EQ(session.topics().title(1), "x");
}

TEST_F(ListSessionTest, IndexFarLargerThanItsListIsStale) {
  const std::string list = writeList("GLOSSARY.LST", kWorkedList);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  const std::string index = session.indexPath();
  session.close();
  std::filesystem::resize_file(index, std::uintmax_t{30} << 30);  // sparse, 30 GiB
  ApplyFileStamp(index, FileStamp{kStamp, 0, false, {}});
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_EQ(session.topics().count(), 3);
  EXPECT_EQ(test::ReadBytes(index), kWorkedIndex);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, RunningOutOfMemoryWhileOpeningEndsInErrorOne) {
#if defined(_WIN32)
  GTEST_SKIP() << "no address-space limit (setrlimit) for a child process on Windows";
#elif defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "an address-space limit does not work with the address sanitizer";
#else
  const std::string big = dir.write("MEMORY.LST", "");
  std::filesystem::resize_file(big, (std::uintmax_t{1} << 31) - 1);  // sparse
  EXPECT_EXIT(
      {
        // Room for the program as it stands, not for the table of a 2 GiB list.
        struct rlimit limit {};
        std::ifstream status("/proc/self/statm");
        std::uint64_t pages = 0;
        status >> pages;
        limit.rlim_cur = limit.rlim_max =
            pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE)) + (std::uint64_t{64} << 20);
        ::setrlimit(RLIMIT_AS, &limit);
        const OpenOutcome outcome = open(big);
        std::exit(outcome == OpenOutcome::LoadFailed && !session.isOpen() &&
                          messages.warnings == std::vector<std::string>{"Unable to load list !"}
                      ? 0
                      : 1);
      },
      ::testing::ExitedWithCode(0), "");
#endif
}

TEST_F(ListSessionTest, LookupStopsReadingTheIndexAtItsTopicAndStillChecksTheFit) {
  const std::string list = writeList("FARCALL.LST", kWorkedList);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  OpenOptions lookup;
  lookup.stopReading = [](const TopicTable&, TopicNumber n) { return n == 1; };
  ASSERT_EQ(session.open(list, lookup, busy, messages), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  EXPECT_FALSE(session.complete());
  ASSERT_EQ(session.topics().count(), 2);
  EXPECT_EQ(session.topics().identifier(1), "0100");

  // The index of a longer list under the same stamp is not used, though its first lines fit.
  writeList("FARCALL.LST", kWorkedList + "more\r\n");
  ASSERT_EQ(session.open(list, lookup, busy, messages), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Scan);
  EXPECT_TRUE(session.complete());
  EXPECT_EQ(session.topics().count(), 3);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListSessionTest, MoreThan65536TopicsSurviveTheIndex) {
  std::string bytes;
  for (int i = 0; i < 70'001; ++i) bytes += test::Separator('T', std::to_string(i)) + "t\r\n";
  const std::string list = writeList("BIG.LST", bytes);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  ASSERT_EQ(session.topics().count(), 70'001);
  ASSERT_EQ(open(list), OpenOutcome::Opened);
  EXPECT_EQ(session.source(), TopicSource::Index);
  ASSERT_EQ(session.topics().count(), 70'001);
  EXPECT_EQ(session.topics().identifier(70'000), "70000");
  std::string text;
  ASSERT_EQ(session.readTopic(70'000, text), ReadTopicResult::Ok);
  EXPECT_EQ(text, "t\r\n");
}

}  // namespace
}  // namespace qorl
