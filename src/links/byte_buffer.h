// A fixed-size block of bytes for reading and writing files through.
#pragma once

#include <cstddef>
#include <memory>

namespace zuva {

// Its bytes start out unset: a large buffer costs nothing until it is used,
// where zeroing it would touch every page of it up front, a cost each run
// would pay even for a tiny file. Owns its bytes; movable, not copyable.
class ByteBuffer {
 public:
  explicit ByteBuffer(size_t size) : bytes_(new char[size]), size_(size) {}

  char* data() { return bytes_.get(); }
  const char* data() const { return bytes_.get(); }
  size_t size() const { return size_; }

 private:
  std::unique_ptr<char[]> bytes_;
  size_t size_;
};

}  // namespace zuva
