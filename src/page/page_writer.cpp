#include "page/page_writer.h"

namespace zuva {

bool PageWriter::flush() {
  if (used_ > 0 && !failed_) failed_ = !sink_.write(buffer_.data(), used_);
  used_ = 0;
  return !failed_;
}

void PageWriter::writeLarge(const char* data, size_t size) {
  flush();
  if (size < buffer_.size()) {
    std::memcpy(buffer_.data(), data, size);
    used_ = size;
  } else if (!failed_) {
    failed_ = !sink_.write(data, size);
  }
}

}  // namespace zuva
