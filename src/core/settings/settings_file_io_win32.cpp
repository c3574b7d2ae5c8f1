#include "core/settings/settings_file_io.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "core/list/wide_path_win32.h"

namespace qorl {

namespace {

std::string LastErrorText() {
  return "system error " + std::to_string(GetLastError());
}

}  // namespace

bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string& reason) {
  const std::wstring target = WidePath(path);
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  std::error_code ec;
  if (!folder.empty()) {
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      reason = ec.message();
      return false;
    }
  }
  const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason = LastErrorText();
    return false;
  }
  bool ok = true;
  while (ok && !bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    ok = WriteFile(file, bytes.data(), chunk, &written, nullptr) != 0;
    if (ok) bytes.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(file) != 0;
  if (!ok) reason = LastErrorText();
  CloseHandle(file);
  if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    reason = LastErrorText();
  }
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

}  // namespace qorl
