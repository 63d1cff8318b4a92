// Buffered output of page bytes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "links/byte_buffer.h"

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

// Writes blocks to a sink on a thread of its own, one block at a time, so
// the next block can be filled while the last one is written. The sink must
// outlive the writer; the destructor waits for the block in hand.
class BlockWriter {
 public:
  explicit BlockWriter(ByteSink& sink);
  ~BlockWriter();
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // Starts writing `size` bytes at `data`, after waiting for the block
  // before. The bytes must stay as they are until `wait` has returned.
  void start(const char* data, size_t size);
  // Waits until the block in hand is written; false once any write failed.
  bool wait();

 private:
  void run();

  ByteSink& sink_;
  std::mutex mutex_;
  std::condition_variable changed_;
  const char* data_ = nullptr;
  size_t size_ = 0;
  bool busy_ = false;  // a block is in hand
  bool stop_ = false;
  bool failed_ = false;
  std::thread thread_;  // last, so it starts once the fields above are set
};

// Copies for hot loops that fill a writer's room directly: `copyPadded`
// copies `size` bytes in fixed-size blocks, which compile to a few moves where
// a call to memcpy would cost more than the copy. It reads and writes up to
// kCopyPadding bytes past the end: the source must be followed by that much
// padding, and the room asked for must include that much to spare (what lands
// there is overwritten by what comes next, or lies past the committed end).
constexpr size_t kCopyPadding = 64;
inline char* copyPadded(char* to, const char* from, size_t size) {
  std::memcpy(to, from, 64);
  for (size_t k = 64; k < size; k += 32) std::memcpy(to + k, from + k, 32);
  return to + size;
}

// Gathers small writes into large blocks for a sink. After the first failed
// write, later writes are dropped and `failed` stays true. The sink must
// outlive the writer; call `flush` before dropping the writer, or what is
// still buffered is lost.
class PageWriter {
 public:
  // How the blocks reach the sink: from the calling thread, or from a thread
  // of the writer's own while the next block is filled (for large pages: the
  // page is made and written at the same time).
  enum class Mode { direct, background };
  static constexpr size_t kDefaultCapacity = size_t{256} * 1024;

  // A capacity below one byte is taken as one: put() always needs a free byte
  // after a flush.
  explicit PageWriter(ByteSink& sink, size_t capacity = kDefaultCapacity, Mode mode = Mode::direct);

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
    if (used_ == buffer_.size()) handOver();
    buffer_.data()[used_++] = c;
  }
  // Room for `size` more bytes at the end of the buffer, handing the buffer
  // to the sink first when needed; nullptr when `size` exceeds the capacity.
  // Fill a prefix of it, then call `commit` with the end of what was filled,
  // before any other call.
  char* room(size_t size) {
    if (size > buffer_.size() - used_) {
      handOver();
      if (size > buffer_.size()) return nullptr;
    }
    return buffer_.data() + used_;
  }
  void commit(const char* end) { used_ = static_cast<size_t>(end - buffer_.data()); }
  // Hands everything buffered to the sink and waits until it is written;
  // false if any write so far failed.
  bool flush();
  // True once a write is known to have failed (in the background mode, a
  // failure shows at the next block).
  bool failed() const { return failed_; }
  size_t capacity() const { return buffer_.size(); }

 private:
  // Passes the buffered bytes on, without waiting for them in the background.
  void handOver();
  void writeLarge(const char* data, size_t size);

  ByteSink& sink_;
  ByteBuffer buffer_;
  ByteBuffer spare_;  // in the background: the buffer being written
  size_t used_ = 0;
  bool failed_ = false;
  // Declared after the buffers: it is destroyed, and so done with them, first.
  std::unique_ptr<BlockWriter> background_;
};

}  // namespace zuva
