// The fixed text that opens and closes every page the program writes.
#pragma once

#include <string_view>

namespace zuva {

// Courier for the whole body, links black in every state so that linked
// characters look like plain ones. 267 bytes, three tabs, no newline.
extern const std::string_view kPageHeader;
// The footer, written as these two pieces with nothing between them.
extern const std::string_view kPageFooterFont;  // "</font>"
extern const std::string_view kPageFooterEnd;   // "</body> </html>"

}  // namespace zuva
