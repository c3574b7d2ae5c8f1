#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Qt 6 libraries the viewer needs for 64-bit Windows (MinGW-w64) from Debian's own
# qt6-base source package, the same version as the host Qt, and installs them into a cache
# outside the clone:
#   $QORL_QT_WINDOWS, or /var/cache/qorl-viewer/qt-<version>-mingw64 by default.
# Does nothing when that cache is complete (it holds the file .complete). Prints the prefix last.
#
# Only what the viewer and its tests use is configured: Core, Gui, Widgets, PrintSupport, Test,
# the windows and offscreen platform plugins and the Windows styles, as DLLs. Tablet events are
# off (Debian's source has no wintab), and so are OpenGL, networking, SQL, D-Bus and XML.
# The source comes through a private apt list (deb-src) passed with apt's -o options, so the
# system's apt configuration and package lists are left as they are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

host_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"      # e.g. 6.4.2+dfsg-10
upstream="${host_version#*:}"
upstream="${upstream%%+*}"
upstream="${upstream%%-*}"                                         # 6.4.2
prefix="${QORL_QT_WINDOWS:-/var/cache/qorl-viewer/qt-${upstream}-mingw64}"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work="${QORL_QT_WINDOWS_WORK:-$(dirname "$prefix")/qt-${upstream}-mingw64-work}"
mkdir -p "$work"
log="$work/build.log"
echo "Building Qt $upstream for MinGW-w64 into $prefix (log: $log)" >&2

# 1. The source package, through a private apt configuration.
apt_dir="$work/apt"
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
if [ -z "$source_dir" ] || [ ! -f "$work/.unpacked" ]; then
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$apt_dir/cache/archives/partial"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
    >"$apt_dir/sources.list"
  apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=root")
  apt-get "${apt_options[@]}" update -q >>"$log" 2>&1
  rm -rf "$work"/qt6-base-*
  (cd "$work" && apt-get "${apt_options[@]}" source -q "qt6-base=$host_version") >>"$log" 2>&1
  source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
  [ -n "$source_dir" ] || { echo "apt-get source qt6-base gave no source folder (see $log)" >&2; exit 1; }
  touch "$work/.unpacked"
fi

# 2. Configure for MinGW-w64 with the host Qt's tools (moc, rcc, uic).
build_dir="$work/build"
if [ ! -f "$build_dir/build.ninja" ]; then
  rm -rf "$build_dir"
  cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_accessibility=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON \
    >>"$log" 2>&1 || { echo "configuring Qt failed (see $log)" >&2; exit 1; }
fi

# 3. Build and install; the marker is written last, so a broken run is picked up again.
cmake --build "$build_dir" -j"$jobs" >>"$log" 2>&1 || { echo "building Qt failed (see $log)" >&2; exit 1; }
rm -rf "$prefix"
cmake --install "$build_dir" >>"$log" 2>&1 || { echo "installing Qt failed (see $log)" >&2; exit 1; }
touch "$prefix/.complete"
echo "$prefix"
