// The body of the link test page.
#pragma once

#include <string_view>

#include "links/string_list.h"
#include "page/page_writer.h"

namespace zuva {

// Writes, for every link in list order, a text link, the image, and a rule,
// each line ending with `lineEnd`. Stops early once `out` has failed.
void writeTestBody(const StringList& linkList, PageWriter& out, std::string_view lineEnd);

}  // namespace zuva
