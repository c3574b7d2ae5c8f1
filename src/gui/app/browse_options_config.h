// SPDX-License-Identifier: MIT
#pragma once
// The browsing options as the configuration record holds them, both ways.

#include "core/settings/settings_store.h"
#include "gui/browse/browse_state.h"

namespace qorl::gui {

void ApplyBrowseOptions(const ConfigRecord& config, BrowseOptions& options);
void StoreBrowseOptions(const BrowseOptions& options, ConfigRecord& config);

}  // namespace qorl::gui
