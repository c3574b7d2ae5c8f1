// SPDX-License-Identifier: MIT
#pragma once
// Connects the configuration dialog to the main window: the record it reads and stores (with
// the topic font, browsing options and lists folder) and the immediate effects after Ok.

namespace qorl::gui {

class TFormConfig;
class TFormMain;

void ConnectConfigDialog(TFormMain& window, TFormConfig& dialog);

}  // namespace qorl::gui
