// SPDX-License-Identifier: MIT
#pragma once
// Who the viewer is to the desktop: its icon (embedded PNGs, 16 to 256 pixels, so no SVG
// plug-in is needed; every window and dialog inherits it) and the desktop file it belongs to,
// which Wayland compositors match by the application id.

#include <QIcon>

namespace qorl::gui {

inline constexpr const char* kDesktopFileName = "com.halvex.QorlViewer";

// The application icon from the embedded PNGs.
QIcon ApplicationIcon();
// Sets the application's name, icon and desktop file name; call once after the application.
void SetApplicationIdentity();

}  // namespace qorl::gui
