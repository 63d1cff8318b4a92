// Console messages, the one failure path and the end-of-run pause.
#pragma once

#include <string_view>

namespace zuva {

// Writes `text`, a newline and flushes standard output. Every console message
// of the program goes through here.
void printLine(std::string_view text);

// Pauses until the user has reacted (see platform.h for how), ignoring any result.
void waitForKey();

// Prints `message`, pauses, and ends the process with exit status 1.
[[noreturn]] void fatalStop(std::string_view message);

}  // namespace zuva
