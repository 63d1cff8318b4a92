// The usage text that the help command prints.
#pragma once

#include <cstddef>

namespace zuva {

constexpr size_t kUsageLineCount = 37;
// The lines, without line ends; the bytes above 127 are Windows-1252 signs.
extern const char* const kUsageLines[kUsageLineCount];

}  // namespace zuva
