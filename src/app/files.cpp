#include "app/files.h"

#include "app/platform.h"

namespace zuva {

InputFile InputFile::open(const std::string& path) {
  if (platform::isDirectory(path)) return InputFile(nullptr);
  return InputFile(std::fopen(path.c_str(), "rb"));
}

size_t InputFile::read(char* buffer, size_t capacity, bool& error) {
  size_t n = std::fread(buffer, 1, capacity, file_);
  if (n == 0 && std::ferror(file_)) error = true;
  return n;
}

size_t InputFile::sizeHint() {
  if (std::fseek(file_, 0, SEEK_END) != 0) return 0;
  long size = std::ftell(file_);
  std::rewind(file_);
  return size > 0 ? static_cast<size_t>(size) : 0;
}

bool InputFile::isRegular() const { return platform::isRegularFile(file_); }

bool InputFile::rewind() {
  if (std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  return true;
}

void InputFile::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

OutputFile OutputFile::open(const std::string& path) {
  if (platform::isDirectory(path)) return OutputFile(nullptr);
  FILE* file = std::fopen(path.c_str(), "wb");
  // The page writer hands over large blocks; a second buffer would only copy.
  if (file) std::setvbuf(file, nullptr, _IONBF, 0);
  return OutputFile(file);
}

bool OutputFile::write(const char* data, size_t size) {
  return std::fwrite(data, 1, size, file_) == size;
}

bool OutputFile::close() {
  if (!file_) return true;
  bool ok = std::fflush(file_) == 0;
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

OutputFile::~OutputFile() { close(); }

}  // namespace zuva
