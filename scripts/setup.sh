#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build, the viewer and the tests need, if any is missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation fonts-dejavu-core  # DejaVu: the Windows tests' offscreen fonts too
  dosbox nasm  # DOSBox runs the list's DOS tools; nasm assembles the DOS test program
  poppler-utils  # pdftotext and pdfinfo read back the PDF files the print tests write
  # The install and package tests: the desktop entry's and AppStream checkers, the manual page
  # viewer, dpkg-shlibdeps for the package's dependencies, and lintian.
  desktop-file-utils appstream man-db dpkg-dev lintian
  # The Windows stage: the MinGW-w64 cross compiler, Wine to run its programs, GoogleTest's
  # sources to build for Windows, NSIS for the installer, and a virtual display with a window
  # manager, a keyboard driver and screenshots for the viewer's smoke test. Qt for MinGW-w64 is
  # built from Debian's qt6-base source (scripts/build_qt_windows.sh: dpkg-dev, ninja).
  g++-mingw-w64-x86-64-posix wine64 googletest nsis
  xvfb openbox xdotool x11-utils imagemagick ninja-build
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
