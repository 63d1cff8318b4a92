#include "page/page_body.h"

namespace zuva {

void writePageBody(LineReader& lines, CharacterLinker& linker, PageWriter& out,
                   std::string_view lineEnd) {
  bool firstLine = true;
  bool atLineStart = true;
  LinePiece piece;
  while (!out.failed() && lines.nextPiece(piece)) {
    if (atLineStart && !firstLine) {
      out.write("<br>");
      out.write(lineEnd);
    }
    firstLine = false;
    linker.linkPiece(piece.bytes, out);
    atLineStart = piece.endsLine;
  }
}

}  // namespace zuva
