// SPDX-License-Identifier: MIT
#include <windows.h>

#include <string>
#include <vector>

#include "core/app/program_version.h"
#include "core/list/file_path.h"

namespace qorl {

namespace {

// The "FileVersion" text of the program file's version resource; empty when there is none.
std::string FileVersionText() {
  std::vector<wchar_t> modulePath(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, modulePath.data(), static_cast<DWORD>(modulePath.size()));
    if (length == 0) return {};
    if (length < modulePath.size()) break;
    modulePath.resize(modulePath.size() * 2);  // truncated: try with more room
  }
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(modulePath.data(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(modulePath.data(), 0, size, block.data())) return {};
  void* value = nullptr;
  UINT units = 0;
  if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\FileVersion", &value, &units) ||
      value == nullptr || units == 0) {
    return {};
  }
  const auto* wide = static_cast<const wchar_t*>(value);
  UINT length = 0;
  while (length < units && wide[length] != L'\0') ++length;
  return Utf8FromWide(std::wstring_view(wide, length));
}

}  // namespace

ProgramVersion ReadVersion() {
  ProgramVersion version = ParseVersionText(FileVersionText());
  version.debugBuild = false;
  return version;
}

}  // namespace qorl
