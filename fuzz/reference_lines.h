// A second, deliberately plain way to split input into lines, so the fuzz
// targets can compare the streaming reader against something obviously right:
// cut at the first byte 26, drop a leading byte-order mark, split at every
// newline, drop one carriage return before it, and keep a non-empty tail.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> referenceLines(std::string bytes) {
  size_t stop = bytes.find('\x1A');
  if (stop != std::string::npos) bytes.resize(stop);
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c != '\n') {
      line += c;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Small buffer sizes taken from one input byte, so every split position of
// the reader and the writer gets explored.
struct SmallSizes {
  size_t readerBuffer;
  size_t chunk;
  size_t writerCapacity;
};

inline SmallSizes smallSizes(unsigned char b) {
  return {static_cast<size_t>(1 + (b & 0x0F)), static_cast<size_t>(1 + ((b >> 4) & 0x07)),
          static_cast<size_t>(b >> 2)};
}
