#include "links/links_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuva {
namespace {

std::vector<std::string> entries(const StringList& list) {
  std::vector<std::string> out;
  for (size_t i = 0; i < list.size(); ++i) out.emplace_back(list[i]);
  return out;
}

struct LinksCase {
  const char* name;
  std::string file;
  LinksResult result;
  std::vector<std::string> ignore;
  std::vector<std::string> links;
};

const LinksCase kLinksCases[] = {
    {"both sections",
     "#ignore\n~\n#links\nhttp://a/1.jpg\nhttp://a/2.jpg\n",
     LinksResult::ok,
     {"~"},
     {"http://a/1.jpg", "http://a/2.jpg"}},
    {"keywords in any case, entries as written",
     "#IGNORE\nX\n#Links\nHTTP://A/B.JPG\n",
     LinksResult::ok,
     {"X"},
     {"HTTP://A/B.JPG"}},
    {"sections in any order and repeated",
     "#links\na\n#ignore\n~\n#LINKS\nb\na\n",
     LinksResult::ok,
     {"~"},
     {"a", "b", "a"}},
    {"empty sections", "#ignore\n#links\n", LinksResult::ok, {}, {}},
    {"blank lines skipped anywhere",
     "\n\n#ignore\n\n~\n\n#links\n\nu\n\n\n",
     LinksResult::ok,
     {"~"},
     {"u"}},
    {"crlf line ends", "#ignore\r\n~\r\n#links\r\nu\r\n", LinksResult::ok, {"~"}, {"u"}},
    {"entries keep blanks and tabs",
     "#ignore\n \n#links\n\tu \n",
     LinksResult::ok,
     {" "},
     {"\tu "}},
    {"keyword with a blank is an entry",
     "#ignore\n#links \n#links\n",
     LinksResult::ok,
     {"#links "},
     {}},
    {"byte-order mark before the first keyword",
     "\xEF\xBB\xBF#ignore\n~\n#links\nu\n",
     LinksResult::ok,
     {"~"},
     {"u"}},
    {"ctrl-z ends the file",
     std::string("#ignore\n#links\nu\n\x1A"
                 "v\n"),
     LinksResult::ok,
     {},
     {"u"}},
    {"entry before any keyword",
     "#ignore \n#ignore\n#links\n",
     LinksResult::entryBeforeKeyword,
     {},
     {}},
    {"high bytes are not lowercased into keywords",
     "#\xC9GNORE\n",
     LinksResult::entryBeforeKeyword,
     {},
     {}},
    {"only links", "#links\nu\n", LinksResult::missingKeyword, {}, {"u"}},
    {"only ignore", "#ignore\n~\n", LinksResult::missingKeyword, {"~"}, {}},
    {"empty file", "", LinksResult::missingKeyword, {}, {}},
    {"empty lines only", "\n\r\n\n", LinksResult::missingKeyword, {}, {}},
};

// Whole, in single bytes, and through a reader too small to hold a line, so
// that lines also arrive in pieces.
struct Split {
  size_t chunk;
  size_t bufferSize;
};
const Split kSplits[] = {{static_cast<size_t>(-1), 128 * 1024}, {1, 128 * 1024}, {3, 4}, {5, 8}};

TEST(ReadLinks, FillsBothListsByTheKeywordRules) {
  for (const LinksCase& c : kLinksCases) {
    for (Split split : kSplits) {
      SCOPED_TRACE(testing::Message()
                   << c.name << ", chunk " << split.chunk << ", buffer " << split.bufferSize);
      StringSource source(c.file, split.chunk);
      LineReader lines(source, split.bufferSize);
      StringList ignoreList, linkList;
      EXPECT_EQ(readLinks(lines, ignoreList, linkList), c.result);
      EXPECT_EQ(entries(ignoreList), c.ignore);
      EXPECT_EQ(entries(linkList), c.links);
    }
  }
}

TEST(CheckLinks, GivesTheResultOfReadingTheEntries) {
  for (const LinksCase& c : kLinksCases) {
    for (Split split : kSplits) {
      StringSource source(c.file, split.chunk);
      LineReader lines(source, split.bufferSize);
      EXPECT_EQ(checkLinks(lines), c.result) << c.name << ", chunk " << split.chunk;
    }
  }
}

// Gives `bytes`, then fails.
class FailingSource : public ByteSource {
 public:
  explicit FailingSource(std::string_view bytes) : bytes_(bytes) {}
  size_t read(char* buffer, size_t capacity, bool& error) override {
    size_t n = bytes_.read(buffer, capacity, error);
    if (n == 0) error = true;
    return n;
  }

 private:
  StringSource bytes_;
};

TEST(CheckLinks, ReadsThroughTheEntriesForAFailingRead) {
  // The keywords are settled early; the failure comes a long way after them.
  std::string file = "#ignore\n~\n#links\n" + std::string(100000, 'u') + "\n";
  for (Split split : kSplits) {
    FailingSource source(file);
    LineReader lines(source, split.bufferSize);
    EXPECT_EQ(checkLinks(lines), LinksResult::readError) << split.bufferSize;
  }
  FailingSource source(file);
  LineReader lines(source);
  StringList ignoreList, linkList;
  EXPECT_EQ(readLinks(lines, ignoreList, linkList), LinksResult::readError);
}

TEST(ReadLinks, StopsAtTheFirstEntryBeforeAKeyword) {
  StringSource source("stray\n#ignore\n#links\n");
  LineReader lines(source);
  StringList ignoreList, linkList;
  EXPECT_EQ(readLinks(lines, ignoreList, linkList), LinksResult::entryBeforeKeyword);
  std::string rest;
  ASSERT_TRUE(lines.readLine(rest));
  EXPECT_EQ(rest, "#ignore");
}

TEST(StringList, KeepsOrderDuplicatesAndEmbeddedBytes) {
  StringList list;
  list.append("b");
  list.append(std::string_view("\0x", 2));
  list.append("b");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], "b");
  EXPECT_EQ(list[1], std::string_view("\0x", 2));
  EXPECT_EQ(list[2], "b");
}

}  // namespace
}  // namespace zuva
