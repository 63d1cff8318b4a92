// Feeds arbitrary bytes to the links reader and checks that the two lists hold
// exactly the non-empty, non-keyword lines, in order, with the right result.
// The first byte picks the buffer sizes; the rest is the links file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "links/line_reader.h"
#include "links/links_reader.h"
#include "reference_lines.h"

namespace {

std::string lowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return s;
}

void check(bool ok) {
  if (!ok) std::abort();
}

void checkList(const zuva::StringList& list, const std::vector<std::string>& expected) {
  check(list.size() == expected.size());
  for (size_t i = 0; i < expected.size(); ++i) check(list[i] == expected[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const SmallSizes sizes = smallSizes(data[0]);
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string> ignoreExpected;
  std::vector<std::string> linksExpected;
  std::vector<std::string>* current = nullptr;
  bool ignoreSeen = false;
  bool linksSeen = false;
  bool entryTooEarly = false;
  for (const std::string& line : referenceLines(bytes)) {
    if (line.empty()) continue;
    const std::string lower = lowerAscii(line);
    if (lower == "#ignore") {
      current = &ignoreExpected;
      ignoreSeen = true;
    } else if (lower == "#links") {
      current = &linksExpected;
      linksSeen = true;
    } else if (current == nullptr) {
      entryTooEarly = true;
      break;
    } else {
      current->push_back(line);
    }
  }
  const zuva::LinksResult expected = entryTooEarly            ? zuva::LinksResult::entryBeforeKeyword
                                     : ignoreSeen && linksSeen ? zuva::LinksResult::ok
                                                               : zuva::LinksResult::missingKeyword;

  for (size_t bufferSize : {sizes.readerBuffer, size_t{128 * 1024}}) {
    zuva::StringSource source(bytes, sizes.chunk);
    zuva::LineReader lines(source, bufferSize);
    zuva::StringList ignoreList;
    zuva::StringList linkList;
    check(zuva::readLinks(lines, ignoreList, linkList) == expected);
    checkList(ignoreList, ignoreExpected);
    checkList(linkList, linksExpected);
  }
  return 0;
}
