// SPDX-License-Identifier: MIT
// The qorl tool run as a program: output, exit statuses and messages.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/support/cli_runner.h"
#include "core/support/list_builder.h"

namespace qorl {
namespace {

using QorlCli = test::CliTest;
using test::CliRun;

const std::string kList = test::ListBuilder()
                              .line("Header text")
                              .topic('D', "0100", "First\ttopic title", "Body line")
                              .topic('D', "0101", "Second topic title")
                              .str();

TEST_F(QorlCli, IndexTopicsAndShow) {
  dir.write("PORTS.LST", kList);
  CliRun r = run({"index", file("PORTS.LST")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3 topics (scan)\n");
  EXPECT_TRUE(std::filesystem::exists(dir.file("PORTS.qorlv")));
  EXPECT_EQ(run({"index", file("PORTS.LST")}).out, "3 topics (index)\n");
  EXPECT_EQ(run({"index", "--policy", "nouse", file("PORTS.LST")}).out, "3 topics (scan)\n");
  EXPECT_EQ(run({"index", "--policy", "noupdate", file("PORTS.LST")}).out, "3 topics (index)\n");

  r = run({"topics", file("PORTS.LST")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "0\t!\t0\t13\t[List Info]\t\n"
            "1\tD\t63\t30\t0100\tFirst topic title\n"
            "2\tD\t143\t20\t0101\tSecond topic title\n");

  r = run({"show", file("PORTS.LST"), "#1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "First\ttopic title\r\nBody line\r\n");
  EXPECT_EQ(run({"show", file("PORTS.LST"), "0101"}).out, "Second topic title\r\n");
}

TEST_F(QorlCli, ErrorsGoToStandardErrorWithAStatus) {
  CliRun r = run({"index", file("X.LST")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Unable to find \"X.LST\" !\n");
  EXPECT_EQ(r.out, "");

  dir.write("A.LST", kList);
  EXPECT_EQ(run({"show", file("A.LST"), "9999"}).status, 1);
  EXPECT_EQ(run({"show", file("A.LST"), "#3"}).status, 1);
  EXPECT_EQ(run({"show", file("A.LST"), "#x"}).status, 1);
  EXPECT_EQ(run({"index", "--policy", "sometimes", file("A.LST")}).status, 2);
  EXPECT_EQ(run({"topics"}).status, 2);
  EXPECT_EQ(run({"frobnicate"}).status, 2);

  // The index path is taken by a folder: the table is printed, the failure reported.
  std::filesystem::create_directory(dir.file("B.qorlv"));
  dir.write("B.LST", kList);
  r = run({"index", file("B.LST")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "3 topics (scan)\n");
  EXPECT_EQ(r.err, "Unable to create indexfile !\n");

  r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("qorl index [--policy use|noupdate|nouse] LIST"), std::string::npos);
  EXPECT_NE(r.out.find("qorl show LIST TOPIC"), std::string::npos);

  r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "qorl 2.1.1.1\n");
}

// On Windows the version comes from the program's own version resource.
TEST_F(QorlCli, VersionIsTheProgramsOwn) {
  const CliRun r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string("qorl ") + QORL_VERSION_STRING + "\n");
}

}  // namespace
}  // namespace qorl
