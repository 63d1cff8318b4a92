// Windows.
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/platform.h"

namespace zuva::platform {

const char kPageLineEnd[] = "\r\n";

void waitForKeyPress() {
  // The command processor prints its own prompt; its result does not matter.
  (void)std::system("PAUSE");
}

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// Identity of a regular file: volume serial number and file index.
bool regularFileId(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
            !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  CloseHandle(h);
  return ok;
}

}  // namespace

bool isRegularFile(std::FILE* file) {
  // A disk file: consoles and pipes have types of their own.
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return h != INVALID_HANDLE_VALUE && GetFileType(h) == FILE_TYPE_DISK;
}

bool sameRegularFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION ia, ib;
  if (!regularFileId(a, ia) || !regularFileId(b, ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

}  // namespace zuva::platform
