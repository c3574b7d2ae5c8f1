// Cost of the settings store at start (placement and settings read from the hive file) and at
// exit (every value written, one atomic file write).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/list/message_service.h"
#include "core/settings/hive_file.h"
#include "core/settings/settings_store.h"
#include "silent_messages.h"

namespace {

using qorl::bench::SilentMessages;

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

}  // namespace
