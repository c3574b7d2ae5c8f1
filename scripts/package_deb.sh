#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the release Debian package: a Release tree in build-deb/ (install prefix /usr, the
# distribution's hardening flags, no tests or benchmarks), `cpack -G DEB` there, and the same
# checks as the test command's `debian_package` (contents, dependencies, lintian -I --pedantic).
# Usage: scripts/package_deb.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-deb}"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQORL_HARDENING=ON -DQORL_BUILD_TESTS=OFF -DQORL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
"$root/scripts/check_install.sh" "$build" --package
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/qorl-viewer_*.deb
