// SPDX-License-Identifier: MIT
// Building the category view over INTERRUP.LST: every topic (all categories) and one category.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/browse/category_view.h"
#include "core/list/list_session.h"
#include "core/list/message_service.h"

namespace {

// INTERRUP.LST opened once (its index is read when current and never written); nullptr when the
// list is absent.
const qorl::ListSession* InterruptList() {
  static const std::unique_ptr<qorl::ListSession> session = [] {
    const std::string path = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";
    auto opened = std::make_unique<qorl::ListSession>();
    if (!std::filesystem::exists(path)) return std::unique_ptr<qorl::ListSession>();
    qorl::OpenOptions options;
    options.policy.dontUseIndexFile = true;
    qorl::NullBusyIndicator busy;
    qorl::SilentMessages messages;
    if (opened->open(path, options, busy, messages) != qorl::OpenOutcome::Opened)
      return std::unique_ptr<qorl::ListSession>();
    return opened;
  }();
  return session.get();
}

void BuildView(benchmark::State& state, unsigned char category) {
  const qorl::ListSession* list = InterruptList();
  if (!list) {
    state.SkipWithError("INTERRUP.LST absent or not loadable in QORL_LISTS_DIR");
    return;
  }
  std::size_t rows = 0;
  for (auto _ : state) {
    std::vector<qorl::TopicNumber> view = qorl::BuildCategoryView(list->topics(), category);
    rows = view.size();
    benchmark::DoNotOptimize(view.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetItemsProcessed(state.iterations() * list->topics().count());
}

void BM_BuildCategoryViewAll(benchmark::State& state) {
  BuildView(state, 255);
}
void BM_BuildCategoryViewDosKernel(benchmark::State& state) {
  BuildView(state, 'D');
}

BENCHMARK(BM_BuildCategoryViewAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildCategoryViewDosKernel)->Unit(benchmark::kMicrosecond);

}  // namespace
