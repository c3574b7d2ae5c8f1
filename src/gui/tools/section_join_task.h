// SPDX-License-Identifier: MIT
#pragma once
// Joining the list's section files inside the viewer where no DOS interpreter can run
// COMBINE.COM: the join runs on a worker thread while the window goes on painting but takes no
// input, as it does while the tool runs, with the busy hint and progress; a failure is shown.

#include <string>

#include "core/tools/section_join.h"
#include "gui/window/window_services.h"

namespace qorl::gui {

// Joins the sections in folder and waits for it. True when the list was written.
bool RunSectionJoin(const std::string& folder, const SectionJoinOptions& options,
                    const WindowServices& services);

}  // namespace qorl::gui
