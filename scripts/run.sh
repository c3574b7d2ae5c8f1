#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the viewer (arguments go to the viewer).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
if [ -x "$root/build/src/gui/qorlview" ]; then
  exec "$root/build/src/gui/qorlview" "$@"
fi
exec "$root/build/src/cli/qorl" --help
