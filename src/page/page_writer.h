// Buffered output of page bytes.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zuva {

// Where the bytes go.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all `size` bytes; false on an error.
  virtual bool write(const char* data, size_t size) = 0;
};

// A sink that collects the bytes in memory.
class StringSink : public ByteSink {
 public:
  bool write(const char* data, size_t size) override {
    bytes.append(data, size);
    return true;
  }
  std::string bytes;
};

// Gathers small writes into large blocks for a sink. After the first failed
// write, later writes are dropped and `failed` stays true. The sink must
// outlive the writer; call `flush` before dropping the writer.
class PageWriter {
 public:
  // A capacity below one byte is taken as one: put() always needs a free byte
  // after a flush.
  explicit PageWriter(ByteSink& sink, size_t capacity = size_t{256} * 1024)
      : sink_(sink), buffer_(capacity < 1 ? 1 : capacity) {}

  void write(std::string_view bytes) { write(bytes.data(), bytes.size()); }
  void write(const char* data, size_t size) {
    if (size <= buffer_.size() - used_) {
      std::memcpy(buffer_.data() + used_, data, size);
      used_ += size;
    } else {
      writeLarge(data, size);
    }
  }
  void put(char c) {
    if (used_ == buffer_.size()) flush();
    buffer_[used_++] = c;
  }
  // Room for `size` more bytes at the end of the buffer, flushing first when
  // needed; nullptr when `size` exceeds the capacity. Fill a prefix of it, then
  // call `commit` with the end of what was filled, before any other call.
  char* room(size_t size) {
    if (size > buffer_.size() - used_) {
      flush();
      if (size > buffer_.size()) return nullptr;
    }
    return buffer_.data() + used_;
  }
  void commit(const char* end) { used_ = static_cast<size_t>(end - buffer_.data()); }
  // Hands everything buffered to the sink; false if any write so far failed.
  bool flush();
  bool failed() const { return failed_; }
  size_t capacity() const { return buffer_.size(); }

 private:
  void writeLarge(const char* data, size_t size);

  ByteSink& sink_;
  std::vector<char> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
};

}  // namespace zuva
