#include <windows.h>

#include <string>
#include <vector>

#include "core/app/program_version.h"

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
  // The version text is digits and dots; anything else will fail to parse as a number anyway.
  const auto* wide = static_cast<const wchar_t*>(value);
  std::string text;
  for (UINT i = 0; i < units && wide[i] != L'\0'; ++i) {
    text.push_back(wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?');
  }
  return text;
}

}  // namespace

ProgramVersion ReadVersion() {
  ProgramVersion version = ParseVersionText(FileVersionText());
  version.debugBuild = false;
  return version;
}

}  // namespace qorl
