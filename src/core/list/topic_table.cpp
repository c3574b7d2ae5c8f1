// SPDX-License-Identifier: MIT
#include "core/list/topic_table.h"

namespace qorl {

void TopicTable::clear() {
  records_.clear();
  names_.clear();
  nameStarts_.assign(1, 0);
  categories_.reset();
}

void TopicTable::reserve(std::size_t topics, std::size_t nameBytes) {
  records_.reserve(topics);
  nameStarts_.reserve(2 * topics + 1);
  names_.reserve(nameBytes);
}

void TopicTable::append(std::string_view identifier, unsigned char category, std::int32_t offset,
                        std::int32_t length, std::string_view title) {
  records_.push_back(TopicRecord{category, offset, length});
  names_.append(identifier);
  nameStarts_.push_back(static_cast<std::uint32_t>(names_.size()));
  names_.append(title);
  nameStarts_.push_back(static_cast<std::uint32_t>(names_.size()));
  categories_.set(category);
}

namespace {

// Shrinking copies the store, so it is done only where much of it is unused; capacity that was
// never written to costs address space only.
template <typename Store>
void ShrinkWhereMostlyUnused(Store& store) {
  if (store.capacity() - store.size() > store.capacity() / 4) store.shrink_to_fit();
}

}  // namespace

void TopicTable::shrinkToFit() {
  ShrinkWhereMostlyUnused(records_);
  ShrinkWhereMostlyUnused(names_);
  ShrinkWhereMostlyUnused(nameStarts_);
}

std::size_t TopicTable::memoryBytes() const {
  return records_.capacity() * sizeof(TopicRecord) + names_.capacity() +
         nameStarts_.capacity() * sizeof(std::uint32_t);
}

}  // namespace qorl
