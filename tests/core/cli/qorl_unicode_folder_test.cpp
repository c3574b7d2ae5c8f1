// SPDX-License-Identifier: MIT
// Lists in a folder whose name holds letters beyond ASCII: every qorl command and every core
// function that opens files by name. On Windows such names only survive as UTF-16; a narrow
// path would be read in the ANSI code page and miss the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/program_files.h"
#include "core/browse/table_map.h"
#include "core/list/busy.h"
#include "core/list/file_path.h"
#include "core/list/list_scanner.h"
#include "core/search/full_text_search.h"
#include "core/support/cli_runner.h"
#include "core/support/list_builder.h"
#include "core/tools/tool_commands.h"

namespace qorl {
namespace {

using test::CliRun;

const std::string kInterrupts =
    test::ListBuilder()
        .line("INT 21 - header text")
        .topic('D', "2126", "INT 21 - DOS 1+ - CREATE NEW PROGRAM SEGMENT PREFIX", "(Table 01378)")
        .topic('D', "214C", "INT 21 - DOS 2+ - EXIT", "see #01378 and PORT 0060h")
        .str();
const std::string kPorts =
    test::ListBuilder().line("Header").topic('K', "P0060", "PORT 0060 - KEYBOARD DATA").str();

class QorlUnicodeFolder : public test::CliTest {
 protected:
  void SetUp() override {
    folder = dir.file("\xC3\xBCn\xC3\xAF \xCE\xA9");  // "ünï Ω"
    ASSERT_TRUE(std::filesystem::create_directory(FilePath(folder)));
    list = put("INTERRUP.LST", kInterrupts);
    put("PORTS.LST", kPorts);
  }

  std::string put(const std::string& name, const std::string& bytes) {
    const std::string path = folder + "/" + name;
    std::ofstream(FilePath(path), std::ios::binary) << bytes;
    return path;
  }

  std::string folder;
  std::string list;
};

TEST_F(QorlUnicodeFolder, EveryCommandFindsItsLists) {
  if (std::string(QORL_CLI_PATH).empty()) GTEST_SKIP() << "the qorl tool is not built";
  CliRun r = run({"index", list});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(FilePath(folder + "/INTERRUP.qorlv")));
  EXPECT_EQ(run({"topics", list}).status, 0);
  EXPECT_EQ(run({"show", list, "214C"}).out,
            "INT 21 - DOS 2+ - EXIT\r\nsee #01378 and PORT 0060h\r\n");
  EXPECT_EQ(run({"find", list, "exit"}).status, 0);
  r = run({"grep", list, "PORT 0060h"});
  EXPECT_EQ(r.status, 0) << r.err;
  r = run({"grep", list, "keyboard", "--all-lists"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("PORTS.LST\t", 0), 0u) << r.out;
  r = run({"tables", list});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("01378\t"), std::string::npos) << r.out;
  r = run({"ref", list, "#01378"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("INT 21 - DOS 1+ - CREATE", 0), 0u) << r.out;
  r = run({"ref", list, "PORT 0060h"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "PORT 0060 - KEYBOARD DATA\r\n");
}

// What the viewer reaches by name besides the lists: the tools, the help manual, and the
// whole-text search and table map that read the list file themselves.
TEST_F(QorlUnicodeFolder, CoreFileAccessFindsItsFiles) {
  put("COMBINE.COM", "tool");
  put("QORLVIEW.html", "help");
  EXPECT_TRUE(ToolsMenuVisibility(folder).combineVisible);
  EXPECT_EQ(ProgramFilePath(folder + "/", "QORLVIEW.html"), folder + "/QORLVIEW.html");

  std::istringstream in(kInterrupts);
  TopicTable table;
  NullBusyIndicator busy;
  ASSERT_EQ(ScanTopics(in, {true, static_cast<std::int64_t>(kInterrupts.size()), "INTERRUP.LST"},
                       table, busy),
            ScanStatus::Ok);
  TableMap tables;
  EXPECT_TRUE(BuildTableMapOfFile(list, table, tables));
  EXPECT_EQ(tables.topicOf("01378"), 1);
  FullTextQuery query;
  query.pattern = "PORT 0060h";
  EXPECT_TRUE(ListFileMayHoldText(list, query));
  int found = 0;
  EXPECT_EQ(SearchListFileText(
                list, table, query, nullptr,
                [&found](const auto& matches) { found += static_cast<int>(matches.size()); }),
            FullTextStatus::Finished);
  EXPECT_EQ(found, 1);
}

}  // namespace
}  // namespace qorl
