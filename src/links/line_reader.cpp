#include "links/line_reader.h"

#include <cstring>

namespace zuva {

namespace {
constexpr char kEndOfFile = 26;
constexpr char kBom[] = "\xEF\xBB\xBF";
}  // namespace

size_t StringSource::read(char* buffer, size_t capacity, bool&) {
  size_t n = bytes_.size();
  if (n > capacity) n = capacity;
  if (n > chunk_) n = chunk_;
  std::memcpy(buffer, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return n;
}

LineReader::LineReader(ByteSource& source, size_t bufferSize)
    : source_(source), buffer_(bufferSize < 4 ? 4 : bufferSize) {}

// Moves what is left to the front and reads more behind it. Returns false when
// nothing more can come.
bool LineReader::fill() {
  if (inputEnded_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  bool added = false;
  // At the start, gather enough bytes to recognise a byte-order mark.
  while (end_ < buffer_.size()) {
    size_t n = source_.read(buffer_.data() + end_, buffer_.size() - end_, error_);
    if (n == 0) {
      inputEnded_ = true;
      break;
    }
    if (const void* stop = std::memchr(buffer_.data() + end_, kEndOfFile, n)) {
      n = static_cast<const char*>(stop) - (buffer_.data() + end_);
      inputEnded_ = true;
    }
    end_ += n;
    added = added || n > 0;
    if (inputEnded_ || !atStart_ || end_ >= 3) break;
  }
  if (atStart_) {
    atStart_ = false;
    if (end_ >= 3 && std::memcmp(buffer_.data(), kBom, 3) == 0) begin_ = 3;
  }
  return added;
}

bool LineReader::nextPiece(LinePiece& piece) {
  for (;;) {
    const char* data = buffer_.data() + begin_;
    size_t available = end_ - begin_;
    if (const void* nl = std::memchr(data, '\n', available)) {
      size_t len = static_cast<const char*>(nl) - data;
      begin_ += len + 1;
      if (len > 0 && data[len - 1] == '\r') --len;
      piece = {std::string_view(data, len), true};
      inLine_ = false;
      return true;
    }
    // No line end buffered. A carriage return at the very end may be the first
    // half of a line end, so it stays behind until the next byte is known.
    size_t hold = (available > 0 && data[available - 1] == '\r' && !inputEnded_) ? 1 : 0;
    if (available - hold > 0 && (inputEnded_ || available >= buffer_.size() / 2)) {
      // A long line: hand out what we have rather than grow the buffer. A short
      // remainder is kept instead and completed by the next read.
      size_t len = available - hold;
      begin_ += len;
      piece = {std::string_view(data, len), false};
      inLine_ = true;
      return true;
    }
    if (!fill()) {
      if (inputEnded_ && begin_ < end_) continue;  // a held-back lone carriage return
      if (inLine_) {
        inLine_ = false;
        piece = {std::string_view(), true};
        return true;
      }
      return false;
    }
  }
}

void LineReader::skipRest() {
  do {
    begin_ = end_;
  } while (fill());
  inLine_ = false;
}

bool LineReader::readLine(std::string& line) {
  line.clear();
  LinePiece piece;
  while (nextPiece(piece)) {
    line.append(piece.bytes.data(), piece.bytes.size());
    if (piece.endsLine) return true;
  }
  return false;
}

}  // namespace zuva
