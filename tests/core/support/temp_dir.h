// SPDX-License-Identifier: MIT
#pragma once
// A fresh, uniquely named folder under the system's temporary folder, removed with everything in
// it when the object goes away.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace qorl::test {

class TempDir {
 public:
  TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
      auto candidate = base / ("qorl-test-" + std::to_string(::getpid()) + "-" +
                               std::to_string(now) + "-" + std::to_string(counter++));
      std::error_code ec;
      if (std::filesystem::create_directory(candidate, ec)) {
        path_ = candidate;
        break;
      }
    }
  }
  ~TempDir() {
    std::error_code ec;
    // Read-only files inside are removable on POSIX; permissions of the folder itself suffice.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder itself.
  std::string path() const { return path_.string(); }
  // The full path of a file in the folder (not created).
  std::string file(std::string_view name) const { return (path_ / std::string(name)).string(); }
  // Writes bytes to a file in the folder and returns its full path.
  std::string write(std::string_view name, std::string_view bytes) const {
    const std::string full = file(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
  }

 private:
  std::filesystem::path path_;
};

// The whole content of a file as bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace qorl::test
