// SPDX-License-Identifier: MIT
#include "core/settings/user_hive.h"

#include "core/settings/hive_file.h"

namespace qorl {

std::unique_ptr<SettingsHive> OpenUserHive() {
  return std::make_unique<HiveFile>(HiveFilePathFromEnvironment());
}

}  // namespace qorl
