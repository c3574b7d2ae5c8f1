#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one Qt test program under Wine and prints its log. Under Wine a Qt test writes its log to a
# console only, never to a redirected standard output, so CTest would see nothing of a failure;
# the log goes to a file and is printed from there. The platform (offscreen) and the fonts come
# from the Wine prefix's environment (scripts/test_windows.sh): Wine hands no QT_* variable on.
# Usage: scripts/wine_qtest.sh WINE TEST.exe [test arguments]
set -uo pipefail
wine="$1"
program="$2"
shift 2
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
"$wine" "$program" "$@" -o "Z:$log,txt"
status=$?
cat "$log"
exit "$status"
