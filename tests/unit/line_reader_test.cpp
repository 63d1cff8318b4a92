#include "links/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuva {
namespace {

std::vector<std::string> readAllLines(std::string_view input, size_t chunk, size_t bufferSize) {
  StringSource source(input, chunk);
  LineReader reader(source, bufferSize);
  std::vector<std::string> lines;
  std::string line;
  while (reader.readLine(line)) lines.push_back(line);
  EXPECT_FALSE(reader.readError());
  return lines;
}

struct LineCase {
  const char* name;
  std::string input;
  std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"empty input", "", {}},
    {"one newline", "\n", {""}},
    {"newline ends each line", "ab\ncd\n", {"ab", "cd"}},
    {"last line without line end", "ab\ncd", {"ab", "cd"}},
    {"carriage return and newline", "ab\r\ncd\r\n", {"ab", "cd"}},
    {"lone carriage return stays", "a\rb\r\n\r", {"a\rb", "\r"}},
    {"two carriage returns before newline", "a\r\r\n", {"a\r"}},
    {"empty lines kept", "\n\nx\n\n", {"", "", "x", ""}},
    {"ctrl-z ends the input",
     std::string("ab\ncd\x1A"
                 "ef\ngh\n"),
     {"ab", "cd"}},
    {"ctrl-z right after a line end",
     std::string("ab\n\x1A"
                 "cd"),
     {"ab"}},
    {"ctrl-z first",
     std::string("\x1A"
                 "ab\n"),
     {}},
    {"byte-order mark skipped", "\xEF\xBB\xBF#ignore\n", {"#ignore"}},
    {"byte-order mark alone", "\xEF\xBB\xBF", {}},
    {"byte-order mark only at the start",
     "a\n\xEF\xBB\xBF"
     "b\n",
     {"a",
      "\xEF\xBB\xBF"
      "b"}},
    {"part of a byte-order mark is kept", "\xEF\xBB\n", {"\xEF\xBB"}},
    {"NUL and high bytes are ordinary",
     std::string("a\0b\n\xFF\x80\n", 7),
     {std::string("a\0b", 3), "\xFF\x80"}},
};

TEST(LineReader, SplitsLinesAtEveryChunkAndBufferSize) {
  for (const LineCase& c : kLineCases) {
    for (size_t buffer : {4, 5, 7, 64 * 1024}) {
      for (size_t chunk = 1; chunk <= c.input.size() + 1; ++chunk) {
        EXPECT_EQ(readAllLines(c.input, chunk, buffer), c.lines)
            << c.name << ", chunk " << chunk << ", buffer " << buffer;
      }
    }
  }
}

TEST(LineReader, LongLineComesInBoundedPieces) {
  std::string input(100000, 'x');
  input += "\r\nshort\r";
  StringSource source(input, 999);
  LineReader reader(source, 256);
  std::vector<std::string> lines(1);
  LinePiece piece;
  size_t pieces = 0;
  while (reader.nextPiece(piece)) {
    ++pieces;
    EXPECT_LE(piece.bytes.size(), 256u);
    lines.back() += std::string(piece.bytes);
    if (piece.endsLine) lines.emplace_back();
  }
  lines.pop_back();
  EXPECT_GT(pieces, 100000u / 256);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(100000, 'x'));
  EXPECT_EQ(lines[1], "short\r");
}

class FailingSource : public ByteSource {
 public:
  size_t read(char* buffer, size_t capacity, bool& error) override {
    if (sent_) {
      error = true;
      return 0;
    }
    sent_ = true;
    std::string_view bytes = "ab\ncd";
    size_t n = std::min(capacity, bytes.size());
    bytes.copy(buffer, n);
    return n;
  }

 private:
  bool sent_ = false;
};

TEST(LineReader, ReadErrorIsReportedNotTakenForTheEnd) {
  FailingSource source;
  LineReader reader(source);
  std::string line;
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "ab");
  while (reader.readLine(line)) {
  }
  EXPECT_TRUE(reader.readError());
}

}  // namespace
}  // namespace zuva
