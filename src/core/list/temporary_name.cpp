// SPDX-License-Identifier: MIT
#include "core/list/temporary_name.h"

#include <cstdint>
#include <random>

#include "core/list/ascii.h"

namespace qorl {
namespace {

constexpr std::string_view kMarker = ".~qorl.";
constexpr std::size_t kRandomDigits = 8;
constexpr std::size_t kCheckDigits = 8;
constexpr std::string_view kHexDigits = "0123456789abcdef";

// FNV-1a over the file name, a separator and the random digits.
std::uint32_t Check(std::string_view fileName, std::string_view random) {
  std::uint32_t hash = 2166136261u;
  const auto mix = [&hash](unsigned char byte) {
    hash ^= byte;
    hash *= 16777619u;
  };
  for (const char c : fileName) mix(static_cast<unsigned char>(c));
  mix(0);
  for (const char c : random) mix(static_cast<unsigned char>(c));
  return hash;
}

std::string Hex(std::uint32_t value) {
  std::string digits(kCheckDigits, '0');
  for (std::size_t i = kCheckDigits; i > 0; --i, value >>= 4)
    digits[i - 1] = kHexDigits[value & 0xF];
  return digits;
}

bool IsHex(std::string_view s) {
  return s.find_first_not_of(kHexDigits) == std::string_view::npos;
}

}  // namespace

std::string MakeTemporaryName(std::string_view fileName) {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<std::uint32_t> pick;
  const std::string random = Hex(pick(generator));
  std::string name(fileName);
  name += kMarker;
  name += random;
  name += Hex(Check(fileName, random));
  return name;
}

std::optional<std::string> TemporaryTargetOf(std::string_view name) {
  constexpr std::size_t kTail = kMarker.size() + kRandomDigits + kCheckDigits;
  if (name.size() <= kTail) return std::nullopt;
  const std::string_view fileName = name.substr(0, name.size() - kTail);
  std::string_view tail = name.substr(fileName.size());
  if (!tail.starts_with(kMarker)) return std::nullopt;
  tail.remove_prefix(kMarker.size());
  const std::string_view random = tail.substr(0, kRandomDigits);
  const std::string_view check = tail.substr(kRandomDigits);
  if (!IsHex(random) || !IsHex(check) || check != Hex(Check(fileName, random))) {
    return std::nullopt;
  }
  return std::string(fileName);
}

bool IsTemporaryNameOf(std::string_view name, std::string_view fileName) {
  const auto target = TemporaryTargetOf(name);
  return target && EqualsFolded(*target, fileName);
}

}  // namespace qorl
