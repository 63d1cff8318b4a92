// Checks the streamed page body against one built a line at a time, and
// checks by parsing that every character that is not ignored sits inside
// exactly one link and every ignored one outside any.
// Input: one byte of buffer sizes, one byte L, L bytes of links file, then
// the picture.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "links/line_reader.h"
#include "links/links_reader.h"
#include "page/linker.h"
#include "page/page_body.h"
#include "page/page_writer.h"
#include "reference_lines.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool ignoredIn(const zuva::StringList& ignoreList, char c) {
  for (size_t i = 0; i < ignoreList.size(); ++i)
    if (ignoreList[i] == std::string_view(&c, 1)) return true;
  return false;
}

// Expects `what` at `pos` in `text` and steps over it.
void expectAt(const std::string& text, size_t& pos, std::string_view what) {
  check(text.compare(pos, what.size(), what) == 0);
  pos += what.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const SmallSizes sizes = smallSizes(data[0]);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const size_t linksSize = data[1] < rest.size() ? data[1] : rest.size();
  const std::string links(rest.substr(0, linksSize));
  const std::string picture(rest.substr(linksSize));

  zuva::StringList ignoreList;
  zuva::StringList linkList;
  zuva::StringSource linksSource(links);
  zuva::LineReader linksLines(linksSource, 64);
  zuva::readLinks(linksLines, ignoreList, linkList);

  // One linker for all three passes (building its tables is the slow part);
  // each pass starts its pick source afresh.
  zuva::PickSource picks;
  zuva::CharacterLinker linker(linkList, ignoreList, picks);

  // Streamed, in small pieces at both ends.
  zuva::StringSource pictureSource(picture, sizes.chunk);
  zuva::LineReader pictureLines(pictureSource, sizes.readerBuffer);
  zuva::StringSink sink;
  zuva::PageWriter out(sink, sizes.writerCapacity);
  zuva::writePageBody(pictureLines, linker, out, "\n");
  check(out.flush());
  check(!pictureLines.readError());

  // One whole line at a time.
  const std::vector<std::string> lines = referenceLines(picture);
  picks = zuva::PickSource();
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "<br>\n";
    joined += linker.linkLine(lines[i]);
  }
  check(sink.bytes == joined);

  // Parse: walk the picture characters and find each in the output, drawing
  // the link it must carry from a fresh start of the source.
  picks = zuva::PickSource();
  const std::string& body = sink.bytes;
  size_t pos = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) expectAt(body, pos, "<br>\n");
    for (char c : lines[i]) {
      const bool ignored = ignoredIn(ignoreList, c);
      check(ignored == linker.isIgnored(std::string_view(&c, 1)));
      if (!ignored) {
        expectAt(body, pos, "<a href='");
        expectAt(body, pos, linker.pickLink());
        expectAt(body, pos, "'>");
      }
      expectAt(body, pos, c == ' ' ? std::string_view("&nbsp;") : std::string_view(&c, 1));
      if (!ignored) expectAt(body, pos, "</a>");
    }
  }
  check(pos == body.size());
  return 0;
}
