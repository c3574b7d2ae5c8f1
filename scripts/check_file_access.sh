#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every file the core and qorl reach by name goes through FilePath (src/core/list/file_path.h),
# which hands Windows the UTF-8 name as UTF-16. This finds the ways around it that compile
# everywhere and fail only on Windows, where a narrow name is read in the ANSI code page: a file
# stream or a std::filesystem::path made straight from text, fopen, and .string() of a path.
# Files only POSIX systems build are exempt, and so is the helper itself.
# Usage: scripts/check_file_access.sh [source root]   (exit status 1 and the lines when found)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
patterns=(
  '\b[io]?fstream\s*(\w+\s*)?[({](?!\s*FilePath\()'
  '\bfopen\s*\('
  '\b(std::filesystem|fs)::path\s*(\w+\s*)?[({](?!\s*("|\)|\}|FilePath\())'
  '\.string\(\)'
)
found=0
for pattern in "${patterns[@]}"; do
  if grep -rnP --include='*.cpp' --include='*.h' --exclude='*_posix.cpp' \
    --exclude='file_path*' "$pattern" src/core src/cli; then
    found=1
  fi
done
if [ "$found" -ne 0 ]; then
  echo "FAILED: the lines above open or name files without FilePath()/Utf8Path() (core/list/file_path.h)"
  exit 1
fi
echo "every file name in src/core and src/cli goes through FilePath()/Utf8Path()"
