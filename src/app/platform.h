// The few things the program does differently per platform. Each platform has
// its own implementation file (platform_posix.cpp, platform_windows.cpp).
#pragma once

#include <cstdio>
#include <string>

namespace zuva::platform {

// The line end the program writes into pages: "\n" or "\r\n".
extern const char kPageLineEnd[];

// The end-of-run pause: prints a prompt, waits for one key press (or, when
// standard input is not a terminal, for one byte or the end of input), and
// returns. Never hangs on a closed or empty standard input.
void waitForKeyPress();

// True when `path` names a directory (such a path is never opened as a file).
bool isDirectory(const std::string& path);

// True when `file` is open on a regular file (not a pipe or a device).
bool isRegularFile(std::FILE* file);

// True when both paths name the same existing regular file as the file system
// sees it (through symbolic links, hard links and "./" alike). Anything that
// is not a regular file (a device, a pipe, a missing path) never matches.
bool sameRegularFile(const std::string& a, const std::string& b);

}  // namespace zuva::platform
