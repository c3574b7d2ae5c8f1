// SPDX-License-Identifier: MIT
#pragma once
// The current user's settings hive: the registry on Windows, the hive file at
// HiveFilePathFromEnvironment() everywhere else.

#include <memory>

#include "core/settings/settings_hive.h"

namespace qorl {

std::unique_ptr<SettingsHive> OpenUserHive();

}  // namespace qorl
