// SPDX-License-Identifier: MIT
// The settings hive in the Windows registry, below HKEY_CURRENT_USER. Texts cross the API as
// UTF-16 and are UTF-8 everywhere else. Writes take effect at once, so begin() and finish()
// have nothing to do.

#include <windows.h>

#include <string>
#include <vector>

#include "core/list/file_path.h"
#include "core/settings/user_hive.h"

namespace qorl {

namespace {

class RegistryKey final : public HiveKey {
 public:
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() override { RegCloseKey(key_); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  std::optional<HiveValue> queryValue(const std::string& name) const override {
    const std::wstring wideName = WideFromUtf8(name);
    std::vector<BYTE> buffer;
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the two calls; ask again until the buffer is big enough.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
      buffer.resize(size);
      status = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type,
                                buffer.empty() ? nullptr : buffer.data(), &size);
      if (status == ERROR_SUCCESS) break;
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    buffer.resize(size);

    HiveValue value;
    value.type = static_cast<HiveValueType>(type);
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
      // Without its terminating zero; a zero inside is part of the text, as setValue wrote it.
      std::size_t length = buffer.size() / sizeof(wchar_t);
      if (length > 0 && text[length - 1] == L'\0') --length;
      value.data = Utf8FromWide(std::wstring_view(text, length));
    } else {
      value.data.assign(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    }
    return value;
  }

  bool setValue(const std::string& name, const HiveValue& value) override {
    const std::wstring wideName = WideFromUtf8(name);
    const DWORD type = static_cast<DWORD>(value.type);
    LONG status;
    if (value.type == HiveValueType::String || value.type == HiveValueType::ExpandString) {
      const std::wstring text = WideFromUtf8(value.data);
      // Written with the terminating zero.
      status = RegSetValueExW(key_, wideName.c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    } else {
      status = RegSetValueExW(key_, wideName.c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(value.data.data()),
                              static_cast<DWORD>(value.data.size()));
    }
    return status == ERROR_SUCCESS;
  }

  std::vector<std::string> subKeyNames() const override {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return names;
    }
    std::vector<wchar_t> name(longest + 1);
    for (DWORD index = 0;; ++index) {
      DWORD length = static_cast<DWORD>(name.size());
      if (RegEnumKeyExW(key_, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      names.push_back(Utf8FromWide(std::wstring_view(name.data(), length)));
    }
    return names;
  }

  std::vector<std::string> valueNames() const override {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return names;
    }
    std::vector<wchar_t> name(longest + 1);
    for (DWORD index = 0;; ++index) {
      DWORD length = static_cast<DWORD>(name.size());
      if (RegEnumValueW(key_, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      names.push_back(Utf8FromWide(std::wstring_view(name.data(), length)));
    }
    return names;
  }

 private:
  HKEY key_;
};

// Deletes the key below parent and everything under it, sub-keys first.
bool DeleteTree(HKEY parent, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE | DELETE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool ok = true;
  // Collect the names first: deleting while enumerating shifts the indexes.
  std::vector<std::wstring> children;
  {
    wchar_t child[256];
    for (DWORD index = 0;; ++index) {
      DWORD length = 256;
      if (RegEnumKeyExW(key, index, child, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      children.emplace_back(child, length);
    }
  }
  for (const std::wstring& child : children) ok = DeleteTree(key, child) && ok;
  RegCloseKey(key);
  return RegDeleteKeyW(parent, name.c_str()) == ERROR_SUCCESS && ok;
}

class RegistryHive final : public SettingsHive {
 public:
  void begin(MessageService&) override {}
  bool finish(std::string&) override { return true; }

  std::unique_ptr<HiveKey> openKey(const std::string& path) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(path).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
      return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
  }

  std::unique_ptr<HiveKey> createKey(const std::string& path) override {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
  }

  bool deleteKeyTree(const std::string& path) override {
    return DeleteTree(HKEY_CURRENT_USER, WideFromUtf8(path));
  }
};

}  // namespace

std::unique_ptr<SettingsHive> OpenUserHive() {
  return std::make_unique<RegistryHive>();
}

}  // namespace qorl
