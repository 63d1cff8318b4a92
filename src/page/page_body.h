// Streaming a whole picture into a page body.
#pragma once

#include "links/line_reader.h"
#include "page/linker.h"
#include "page/page_writer.h"

namespace zuva {

// Converts every line that `lines` yields with `linker` and writes it to
// `out`, with "<br>" and `lineEnd` between two lines and nothing after the
// last. Stops early once `out` has failed. Memory does not grow with the
// length of a line.
void writePageBody(LineReader& lines, CharacterLinker& linker, PageWriter& out,
                   std::string_view lineEnd);

}  // namespace zuva
