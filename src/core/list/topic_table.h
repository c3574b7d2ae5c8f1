// SPDX-License-Identifier: MIT
#pragma once
// The topic table of the open list: one record per topic (category character, byte offset and
// byte length of its text in the list file), the identifier and title of every topic, and the
// set of category characters that occur.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/table_memory.h"

namespace qorl {

// Topic numbers are 32-bit everywhere, so lists of more than 65,536 topics open whole.
using TopicNumber = std::int32_t;

struct TopicRecord {
  unsigned char category = 0;  // character 9 of the topic's separator line
  std::int32_t offset = 0;     // byte position of the topic text in the list file
  std::int32_t length = 0;     // byte length of the topic text
};

// One bit per character code: bit c is set when some topic has category character c.
using CategorySet = std::bitset<256>;

class TopicTable {
 public:
  TopicNumber count() const { return static_cast<TopicNumber>(records_.size()); }
  bool empty() const { return records_.empty(); }
  bool isValid(TopicNumber n) const { return n >= 0 && n < count(); }

  const TopicRecord& record(TopicNumber n) const { return records_[static_cast<std::size_t>(n)]; }
  unsigned char category(TopicNumber n) const { return record(n).category; }
  // Identifier and title as stored (the list's own bytes). Views stay valid until the table
  // changes.
  std::string_view identifier(TopicNumber n) const { return name(2 * static_cast<std::size_t>(n)); }
  std::string_view title(TopicNumber n) const { return name(2 * static_cast<std::size_t>(n) + 1); }
  const CategorySet& categories() const { return categories_; }

  void clear();
  // Room for that many topics and name bytes; appending never needs more than this.
  void reserve(std::size_t topics, std::size_t nameBytes);
  void append(std::string_view identifier, unsigned char category, std::int32_t offset,
              std::int32_t length, std::string_view title);
  // Gives back the capacity reserved beyond the final count where more than a quarter of a store
  // is unused.
  void shrinkToFit();
  // Every identifier and title back to back, in topic order.
  std::string_view nameBytes() const { return names_; }
  // Heap bytes held by the table (records, names, name positions).
  std::size_t memoryBytes() const;

 private:
  std::string_view name(std::size_t entry) const {
    return std::string_view(names_).substr(nameStarts_[entry],
                                           nameStarts_[entry + 1] - nameStarts_[entry]);
  }

  template <typename T>
  using Store = std::vector<T, TableAllocator<T>>;

  Store<TopicRecord> records_;
  // Identifiers and titles back to back in one store: entry 2n is topic n's identifier,
  // entry 2n + 1 its title; nameStarts_ holds each entry's start plus one final end position.
  std::basic_string<char, std::char_traits<char>, TableAllocator<char>> names_;
  Store<std::uint32_t> nameStarts_{0};
  CategorySet categories_;
};

}  // namespace qorl
