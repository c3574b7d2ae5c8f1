// SPDX-License-Identifier: MIT
#include <windows.h>

#include <algorithm>
#include <string>

#include "core/list/file_replacement.h"
#include "core/list/file_path.h"

namespace qorl {
namespace {

std::string LastErrorText() {
  return "system error " + std::to_string(GetLastError());
}

}  // namespace

// A writer keeps its temporary open without sharing deletion, so only abandoned ones go.
bool RemoveIfAbandoned(const std::string& path) {
  return DeleteFileW(WideFromUtf8(path).c_str()) != 0;
}

bool FileReplacement::create(std::string& reason) {
  reason.clear();
  HANDLE file = CreateFileW(WideFromUtf8(temporary_).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (GetLastError() != ERROR_FILE_EXISTS) reason = LastErrorText();
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  open_ = true;
  return true;
}

bool FileReplacement::write(std::string_view bytes, std::string& reason) {
  if (!open_) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), bytes.data(), chunk, &written, nullptr)) {
      reason = LastErrorText();
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool FileReplacement::commit(std::string& reason) {
  if (!open_) return false;
  bool ok = FlushFileBuffers(reinterpret_cast<HANDLE>(handle_)) != 0;
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  open_ = false;
  const std::wstring from = WideFromUtf8(temporary_);
  const std::wstring to = WideFromUtf8(target_);
  if (ok && !MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    // A read-only file is not replaced: it is made writable for one retry.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    ok =
        attributes != INVALID_FILE_ATTRIBUTES &&
        SetFileAttributesW(to.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) &&
        MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  if (!ok) {
    reason = LastErrorText();
    DeleteFileW(from.c_str());
    return false;
  }
  temporary_.clear();
  return true;
}

void FileReplacement::discard() {
  if (open_) {
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    open_ = false;
    DeleteFileW(WideFromUtf8(temporary_).c_str());
  }
}

}  // namespace qorl
