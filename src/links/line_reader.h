// Splits a byte stream into lines, the one way both input files are read.
//
// Line rules: a line ends at a newline; the line end (newline, or carriage
// return and newline) is not part of the line; a carriage return that is not
// followed by a newline stays in the line; a byte 26 (Ctrl-Z) ends the input;
// a last line without a line end is still a line; a UTF-8 byte-order mark at
// the very start of the input is skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "links/byte_buffer.h"

namespace zuva {

// Where the bytes come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `capacity` bytes into `buffer`. Returns the number read, 0 at
  // the end of the input. On a read error returns 0 and sets `error`.
  virtual size_t read(char* buffer, size_t capacity, bool& error) = 0;
};

// A source over bytes in memory. The bytes must outlive the source.
class StringSource : public ByteSource {
 public:
  // `chunk` limits how many bytes one read returns, so tests can split input
  // at every position.
  explicit StringSource(std::string_view bytes, size_t chunk = static_cast<size_t>(-1))
      : bytes_(bytes), chunk_(chunk) {}
  size_t read(char* buffer, size_t capacity, bool& error) override;

 private:
  std::string_view bytes_;
  size_t chunk_;
};

// One piece of a line. A long line comes in several pieces; the last piece of
// every line (possibly empty) has `endsLine` set. Nothing is ever returned for
// the position after a final line end.
struct LinePiece {
  std::string_view bytes;  // valid until the next call on the reader
  bool endsLine;
};

// Reads lines from a source in pieces, in memory that does not grow with the
// length of a line. The source must outlive the reader.
class LineReader {
 public:
  explicit LineReader(ByteSource& source, size_t bufferSize = size_t{128} * 1024);

  // The next piece of the current line; false at the end of the input or on
  // a read error (see `readError`).
  bool nextPiece(LinePiece& piece);

  // A whole line into `line` (for inputs whose lines are kept anyway); false
  // at the end of the input or on a read error.
  bool readLine(std::string& line);

  // Reads the rest of the input without splitting it, as when only a read
  // error could still matter; `nextPiece` then finds nothing more.
  void skipRest();

  // True once the source reported a read error.
  bool readError() const { return error_; }

 private:
  bool fill();

  ByteSource& source_;
  ByteBuffer buffer_;
  size_t begin_ = 0;  // first unconsumed byte
  size_t end_ = 0;    // one past the last buffered byte
  bool atStart_ = true;
  bool inputEnded_ = false;
  bool error_ = false;
  bool inLine_ = false;  // a piece of the current line has been returned
};

}  // namespace zuva
