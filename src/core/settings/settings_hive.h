// SPDX-License-Identifier: MIT
#pragma once
// A small typed view of the current user's registry hive: keys named by their path below
// HKEY_CURRENT_USER ("Software\Halvex\Qorl Viewer\2\Config"), each holding named, typed values.
// Two backends: the Win32 registry on Windows and one text file everywhere else.
//
// Every use of the store is one operation framed by begin() and finish() (see HiveOperation):
// the file backend reads its file at the start and writes it, once, at the end.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/list/message_service.h"

namespace qorl {

// The registry's own type codes, so that values of other types survive a round trip.
enum class HiveValueType : std::uint32_t {
  None = 0,          // REG_NONE
  String = 1,        // REG_SZ
  ExpandString = 2,  // REG_EXPAND_SZ
  Binary = 3,        // REG_BINARY
  Dword = 4,         // REG_DWORD (little-endian)
};

struct HiveValue {
  HiveValueType type = HiveValueType::None;
  // Dword: the 4 bytes little-endian. String and ExpandString: the text as UTF-8, without the
  // terminating zero. Every other type: the raw bytes.
  std::string data;

  static HiveValue dword(std::uint32_t value);
  static HiveValue string(std::string text);
  static HiveValue expandString(std::string text);
  static HiveValue binary(std::string bytes);

  bool isDword() const { return type == HiveValueType::Dword && data.size() == 4; }
  std::uint32_t dwordValue() const;  // the first 4 bytes little-endian (0 when shorter)
  bool operator==(const HiveValue&) const = default;
};

// An open key. Valid only during the operation that opened it.
class HiveKey {
 public:
  virtual ~HiveKey() = default;
  // The value of that name (case-insensitive); nothing when absent or unreadable.
  virtual std::optional<HiveValue> queryValue(const std::string& name) const = 0;
  // Creates or replaces the value. False when it could not be written.
  virtual bool setValue(const std::string& name, const HiveValue& value) = 0;
  virtual std::vector<std::string> subKeyNames() const = 0;
  virtual std::vector<std::string> valueNames() const = 0;
};

class SettingsHive {
 public:
  virtual ~SettingsHive() = default;

  // Starts an operation. Problems worth telling the user (an unreadable store) go to messages.
  virtual void begin(MessageService& messages) = 0;
  // Ends the operation, making its changes lasting. False, with a UTF-8 message text in
  // failure, when they could not be stored.
  virtual bool finish(std::string& failure) = 0;

  // An existing key, opened for reading; nullptr when it does not exist.
  virtual std::unique_ptr<HiveKey> openKey(const std::string& path) = 0;
  // The key, created together with any missing parent; nullptr on failure.
  virtual std::unique_ptr<HiveKey> createKey(const std::string& path) = 0;
  // Deletes the key and everything below it, each sub-key before its parent. False when the
  // key was missing or could not be deleted completely.
  virtual bool deleteKeyTree(const std::string& path) = 0;
};

// Frames one operation: begin() now, finish() when it ends however it ends. A failure to store
// is shown once through messages (as an error box).
class HiveOperation {
 public:
  HiveOperation(SettingsHive& hive, MessageService& messages);
  ~HiveOperation();
  HiveOperation(const HiveOperation&) = delete;
  HiveOperation& operator=(const HiveOperation&) = delete;

  // Finishes now; false when storing failed (already reported unless an earlier failure of the
  // same operation was).
  bool finish();
  // An earlier failure of this operation has been shown; a failed finish is then not shown again.
  void failureShown() { failureShown_ = true; }

 private:
  SettingsHive& hive_;
  MessageService& messages_;
  bool finished_ = false;
  bool failureShown_ = false;
};

}  // namespace qorl
