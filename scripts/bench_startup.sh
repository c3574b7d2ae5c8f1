#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole runs of `qorlview -QUIT` on the offscreen platform: once with INTERRUP.LST as the
# start-up list (read from its current index) and once with no start-up list, interleaved in the
# same run with the floor, a bare Qt main window of the same Qt (bench/floor), and prints the
# median of each, the ratio of the start without a list to the floor and the share the opening
# adds. The list is copied to a
# temporary folder and a first run writes its index there, so the index is current.
# Usage: scripts/bench_startup.sh [runs] [lists folder]   (defaults: 10, ../shared/lists)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
runs="${1:-10}"
lists="$(cd "${2:-$root/../shared/lists}" && pwd)"
viewer="$root/build/src/gui/qorlview"
floor="$root/build/bench/qorl_bare_window"
require_built "$viewer" "scripts/build.sh"
require_built "$floor" "scripts/build.sh"
require_list "$lists" INTERRUP.LST

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/with/Halvex" "$work/without/Halvex" "$work/lists"
cp -p "$lists/INTERRUP.LST" "$work/lists/"
lists="$work/lists"
# Settings of the "with" run: the start-up list under the default index policy.
cat > "$work/with/Halvex/Qorl Viewer.reg" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Config]
"DefStartupList"="$lists/INTERRUP.LST"
REG

viewer_quits() {  # $1: the settings folder
  cd "$lists" && XDG_CONFIG_HOME="$1" QT_QPA_PLATFORM=offscreen "$viewer" -QUIT
}
with() { (viewer_quits "$work/with"); }
without() { (viewer_quits "$work/without"); }
bare() { QT_QPA_PLATFORM=offscreen "$floor"; }

run_us with >/dev/null  # writes the index
[ -f "$lists/INTERRUP.qorlv" ] || { echo "the first run wrote no index"; exit 1; }
read -r us_bare us_without us_with < <(interleave "$runs" bare without with)
ms() { awk -v us="$1" 'BEGIN {printf "%d", us / 1000}'; }
m_bare=$(ms "$us_bare")
m_without=$(ms "$us_without")
m_with=$(ms "$us_with")
echo "qorlview -QUIT, median of $runs runs:"
echo "  bare Qt main window:       ${m_bare} ms"
echo "  no start-up list:          ${m_without} ms"
echo "  INTERRUP.LST (its index):  ${m_with} ms"
awk -v a="$m_without" -v b="$m_bare" 'BEGIN {printf "  no list / bare window: %.2f (goal: at most 1.4)\n", a / b}'

awk -v a="$m_with" -v b="$m_without" 'BEGIN {printf "  the opening adds %.1f%% (goal: at most 10%%)\n", (a - b) * 100 / b}'
