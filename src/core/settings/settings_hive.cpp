// SPDX-License-Identifier: MIT
#include "core/settings/settings_hive.h"

#include <utility>

namespace qorl {

HiveValue HiveValue::dword(std::uint32_t value) {
  HiveValue v;
  v.type = HiveValueType::Dword;
  for (int i = 0; i < 4; ++i) v.data.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
  return v;
}

HiveValue HiveValue::string(std::string text) {
  return HiveValue{HiveValueType::String, std::move(text)};
}

HiveValue HiveValue::expandString(std::string text) {
  return HiveValue{HiveValueType::ExpandString, std::move(text)};
}

HiveValue HiveValue::binary(std::string bytes) {
  return HiveValue{HiveValueType::Binary, std::move(bytes)};
}

std::uint32_t HiveValue::dwordValue() const {
  if (data.size() < 4) return 0;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
  }
  return value;
}

HiveOperation::HiveOperation(SettingsHive& hive, MessageService& messages)
    : hive_(hive), messages_(messages) {
  hive_.begin(messages_);
}

HiveOperation::~HiveOperation() {
  finish();
}

bool HiveOperation::finish() {
  if (finished_) return true;
  finished_ = true;
  std::string failure;
  if (hive_.finish(failure)) return true;
  if (!failureShown_ && !failure.empty()) messages_.error(failure);
  return false;
}

}  // namespace qorl
