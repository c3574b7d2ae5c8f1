#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of the viewer under a virtual X server: INTERRUP.LST (a copy, with the
# setting "Follow table references" on) opened at INT 21/AH=4Bh through Go to Topic, window 1000 x 700, captured
# with ImageMagick's import. The PNG in docs/screenshots/ is made with this script.
# Usage: scripts/screenshot.sh [OUT.png] [light|dark] [DISPLAY number] [lists folder]
# (a display that is not running yet is started, with openbox, and stopped again)
# Needs Xvfb, openbox, xdotool and ImageMagick; dark uses the Adwaita-Dark style (adwaita-qt6).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshots/qorlview.png}")"
theme="${2:-light}"
display=":${3:-97}"
lists="$(cd "${4:-$root/../shared/lists}" && pwd)"
viewer="$root/build/src/gui/qorlview"
[ -x "$viewer" ] || { echo "build qorlview first (scripts/build.sh)"; exit 1; }
[ -f "$lists/INTERRUP.LST" ] || { echo "no INTERRUP.LST in $lists"; exit 1; }
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config/Halvex" "$work/lists"
cp -p "$lists/INTERRUP.LST" "$work/lists/"
cat > "$work/config/Halvex/Qorl Viewer.reg" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Config]
"DefStartupList"="$work/lists/INTERRUP.LST"
"FollowAllReferences"=dword:00000001

[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Layout]
"WindowState"=dword:00000000
REG

# A display that already runs (with its window manager) is used as it is.
if ! DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  pids+=("$!")
  sleep 2
  DISPLAY="$display" openbox >/dev/null 2>&1 &
  pids+=("$!")
  sleep 1
fi
style=()
[ "$theme" = dark ] && style=(QT_STYLE_OVERRIDE=Adwaita-Dark)
(cd "$work/lists" && exec env DISPLAY="$display" XDG_CONFIG_HOME="$work/config" "${style[@]}" \
  "$viewer" -CONFIGNOSAVE >/dev/null 2>&1) &
pids+=("$!")
export DISPLAY="$display"
window=""
for _ in $(seq 120); do
  window="$(xdotool search --onlyvisible --name 'Qorl Viewer' 2>/dev/null | head -1 || true)"
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "the viewer did not show its window"; exit 1; }
sleep 8  # the first opening scans the list and writes its index
xdotool windowactivate --sync "$window" windowsize --sync "$window" 1000 700 windowmove "$window" 0 0
sleep 1
# Go to Topic: INT 21/AH=4Bh typed as a reader would, shown in the view. Keys go to the active
# window through the X server (Qt takes no synthetic events sent to a window).
xdotool key ctrl+k
sleep 2
xdotool type --delay 60 "int 21 4b"
sleep 2
xdotool key Return
sleep 3
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
