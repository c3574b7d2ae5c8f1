// SPDX-License-Identifier: MIT
#pragma once
// Skips the current test on Windows with the reason given; elsewhere does nothing. For tests of
// behaviour that Windows does not have (a POSIX shell, permission bits, ...): they show up as
// skipped with their reason, never silently left out.

#include <gtest/gtest.h>

#ifdef _WIN32
#define QORL_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << (reason)
#else
#define QORL_SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
