// An ordered, growable list of byte strings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuva {

// Entries are appended at the end and kept in order, duplicates included;
// nothing is ever removed. All entries share one byte buffer, so a list of a
// million short addresses costs little more than their bytes.
class StringList {
 public:
  void append(std::string_view entry) {
    bytes_.append(entry.data(), entry.size());
    ends_.push_back(bytes_.size());
  }
  // Makes room for entries of `bytes` bytes in all, so that a large list
  // grows without being copied.
  void reserveBytes(size_t bytes) { bytes_.reserve(bytes); }
  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  // Entry `i` (counting from 0); valid until the next append.
  std::string_view operator[](size_t i) const {
    size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }

 private:
  std::string bytes_;
  std::vector<size_t> ends_;
};

}  // namespace zuva
