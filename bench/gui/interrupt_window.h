// SPDX-License-Identifier: MIT
#pragma once
// The viewer window of the benchmarks, offscreen, with a copy of INTERRUP.LST open.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>

#include "core/list/message_service.h"
#include "core/list/topic_table.h"
#include "gui/app/main_window.h"

using qorl::SilentMessages;

// The window with INTERRUP.LST open (a copy in a temporary folder, so its index is written
// there), and the number of its longest topic. Members go in reverse order: the window closes the
// list before the folder with the copy is removed.
struct OpenWindow {
  SilentMessages messages;
  QTemporaryDir folder;
  std::unique_ptr<qorl::gui::TFormMain> window;
  qorl::TopicNumber longest = -1;
  std::int32_t longestLength = 0;
};

// Opened by the first benchmark that needs it; nullptr, and the benchmark skipped, without the
// real list.
OpenWindow* InterruptWindow(benchmark::State& state);

// Closes the window and removes the copy; main() calls it while the application exists.
void CloseInterruptWindow();
