#include "page/page_writer.h"

#include <utility>

namespace zuva {

BlockWriter::BlockWriter(ByteSink& sink) : sink_(sink), thread_(&BlockWriter::run, this) {}

BlockWriter::~BlockWriter() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BlockWriter::start(const char* data, size_t size) {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    data_ = data;
    size_ = size;
    busy_ = true;
  }
  changed_.notify_all();
}

bool BlockWriter::wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !busy_; });
  return !failed_;
}

void BlockWriter::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return busy_ || stop_; });
    if (!busy_) return;
    const char* data = data_;
    size_t size = size_;
    bool skip = failed_;
    lock.unlock();
    bool ok = skip || sink_.write(data, size);
    lock.lock();
    if (!ok) failed_ = true;
    busy_ = false;
    changed_.notify_all();
  }
}

PageWriter::PageWriter(ByteSink& sink, size_t capacity, Mode mode)
    : sink_(sink), buffer_(capacity < 1 ? 1 : capacity), spare_(0) {
  if (mode == Mode::background) {
    spare_ = ByteBuffer(buffer_.size());
    background_ = std::make_unique<BlockWriter>(sink);
  }
}

void PageWriter::handOver() {
  if (used_ > 0 && !failed_) {
    if (!background_) {
      failed_ = !sink_.write(buffer_.data(), used_);
    } else if (!background_->wait()) {
      failed_ = true;
    } else {
      // The spare is free again: it becomes the buffer to fill.
      background_->start(buffer_.data(), used_);
      std::swap(buffer_, spare_);
    }
  }
  used_ = 0;
}

bool PageWriter::flush() {
  handOver();
  if (background_ && !background_->wait()) failed_ = true;
  return !failed_;
}

void PageWriter::writeLarge(const char* data, size_t size) {
  handOver();
  if (size < buffer_.size()) {
    std::memcpy(buffer_.data(), data, size);
    used_ = size;
    return;
  }
  // Too large to buffer: written from here, after what came before it.
  if (background_ && !background_->wait()) failed_ = true;
  if (!failed_) failed_ = !sink_.write(data, size);
}

}  // namespace zuva
