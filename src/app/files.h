// Files opened by path, as bytes: the edge between the commands and the disk.
#pragma once

#include <cstdio>
#include <string>

#include "links/line_reader.h"
#include "page/page_writer.h"

namespace zuva {

// A file opened for reading. Owns its handle; closes it when destroyed.
class InputFile : public ByteSource {
 public:
  // Opens `path` for reading; a directory counts as a file that cannot be
  // opened. Check `isOpen`.
  static InputFile open(const std::string& path);
  InputFile(InputFile&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }
  InputFile& operator=(InputFile&&) = delete;
  ~InputFile() override { close(); }

  bool isOpen() const { return file_ != nullptr; }
  // The size of the file in bytes, or 0 when it cannot be told (a pipe).
  size_t sizeHint();
  // True for a regular file: one that reads the same bytes again after
  // `rewind` (unless something else changes it meanwhile).
  bool isRegular() const;
  // Goes back to the first byte; false when the file cannot.
  bool rewind();
  size_t read(char* buffer, size_t capacity, bool& error) override;
  void close();

 private:
  explicit InputFile(FILE* file) : file_(file) {}
  FILE* file_;
};

// A file opened for writing, created or emptied. Owns its handle.
class OutputFile : public ByteSink {
 public:
  // Opens `path` for writing. Check `isOpen`.
  static OutputFile open(const std::string& path);
  OutputFile(OutputFile&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }
  OutputFile& operator=(OutputFile&&) = delete;
  ~OutputFile() override;

  bool isOpen() const { return file_ != nullptr; }
  bool write(const char* data, size_t size) override;
  // Flushes and closes; false if that failed.
  bool close();

 private:
  explicit OutputFile(FILE* file) : file_(file) {}
  FILE* file_;
};

}  // namespace zuva
