// SPDX-License-Identifier: MIT
#pragma once
// File names cross the core as UTF-8 text. These turn them into the file system's paths and
// back: Windows names files in UTF-16, elsewhere the bytes pass unchanged.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace qorl {

// The path for a UTF-8 file name.
std::filesystem::path FilePath(std::string_view utf8);

// The UTF-8 file name of a path.
std::string Utf8Path(const std::filesystem::path& path);

// std::fopen for a UTF-8 file name (mode as for fopen, "rb" say); null when it cannot be opened.
std::FILE* OpenFile(std::string_view utf8, const char* mode);

#ifdef _WIN32
// The Windows API's UTF-16 text for UTF-8 text and back; bytes that are not UTF-8 (or lone
// surrogates) become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
#endif

}  // namespace qorl
