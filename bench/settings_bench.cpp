// SPDX-License-Identifier: MIT
// Cost of the settings store at start (placement and settings read from the hive file) and at
// exit (every value written, one atomic file write), and of reading a settings file that holds
// far more values than the program writes (one read costs the same at any size per value).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/list/message_service.h"
#include "core/settings/hive_file.h"
#include "core/settings/hive_text.h"
#include "core/settings/settings_store.h"

namespace {

using qorl::SilentMessages;

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "qorl-settings-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  std::string file() const { return path_ + "/Qorl Viewer.reg"; }
  bool ok() const { return !path_.empty(); }

 private:
  std::string path_;
};

void BM_LoadAtStart(benchmark::State& state) {
  BenchFolder folder;
  if (!folder.ok()) return state.SkipWithError("no temporary folder");
  SilentMessages messages;
  qorl::HiveFile hive(folder.file());
  qorl::SaveSettings(hive, 2, {}, {}, {}, messages);
  for (auto _ : state) {
    qorl::LayoutValues layout;
    qorl::ConfigRecord config;
    auto placement = qorl::LoadWindowPlacement(hive, 2, {1920, 1080}, messages);
    qorl::LoadSettings(hive, 2, layout, config, messages);
    benchmark::DoNotOptimize(placement);
    benchmark::DoNotOptimize(config);
  }
}
BENCHMARK(BM_LoadAtStart);

void BM_SaveAtExit(benchmark::State& state) {
  BenchFolder folder;
  if (!folder.ok()) return state.SkipWithError("no temporary folder");
  SilentMessages messages;
  qorl::HiveFile hive(folder.file());
  qorl::ConfigRecord config;
  int n = 0;
  for (auto _ : state) {
    config.TopicsColWidth = ++n;  // a change, so that every save writes the file
    qorl::SaveSettings(hive, 2, {}, {}, config, messages);
  }
}
BENCHMARK(BM_SaveAtExit);

// A file of n values in one key, as an imported export or a hand-grown file may hold.
std::string ManyValuesText(int n) {
  std::string text =
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Config]\n";
  for (int i = 0; i < n; ++i) {
    text += "\"Value";
    text += std::to_string(i);
    text += "\"=dword:0000002a\n";
  }
  return text;
}

void BM_ParseManyValues(benchmark::State& state) {
  const std::string text = ManyValuesText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto tree = qorl::ParseHiveText(text);
    if (!tree) return state.SkipWithError("the text did not parse");
    benchmark::DoNotOptimize(tree);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseManyValues)->Arg(5000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
