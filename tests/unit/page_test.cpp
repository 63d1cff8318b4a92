#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "linktest/test_page.h"
#include "page/frame.h"
#include "page/page_body.h"

namespace zuva {
namespace {

TEST(PageFrame, HasItsFixedSizeAndBytes) {
  EXPECT_EQ(kPageHeader.size(), 267u);
  EXPECT_EQ(std::count(kPageHeader.begin(), kPageHeader.end(), '\t'), 3);
  EXPECT_EQ(kPageHeader.find('\n'), std::string_view::npos);
  EXPECT_EQ(kPageHeader.substr(0, 7), "<html> ");
  EXPECT_EQ(kPageHeader.substr(kPageHeader.size() - 44),
            "</style></head>\t<body>\t<font face='courier'>");
  EXPECT_EQ(std::string(kPageFooterFont) + std::string(kPageFooterEnd), "</font></body> </html>");
}

struct BodyCase {
  const char* name;
  std::string picture;
  std::string body;
};

// Ignore "~", one link "L": every other character becomes <a href='L'>c</a>.
const BodyCase kBodyCases[] = {
    {"empty picture", "", ""},
    {"one line", "~#~", "~<a href='L'>#</a>~"},
    {"rows separated, nothing after the last", "~\n#\n", "~<br>\n<a href='L'>#</a>"},
    {"last line without line end", "~\n~", "~<br>\n~"},
    {"empty lines still separate rows", "\n\n~\n", "<br>\n<br>\n~"},
    {"one empty line", "\n", ""},
    {"crlf picture", "~\r\n~\r\n", "~<br>\n~"},
    {"lone carriage return is a character", "~\r~\n", "~<a href='L'>\r</a>~"},
    {"ctrl-z ends the picture", std::string("~\n\x1A#\n"), "~"},
    {"byte-order mark skipped", "\xEF\xBB\xBF~", "~"},
};

TEST(PageBody, StreamsRowsWithSeparators) {
  StringList ignore, links;
  ignore.append("~");
  links.append("L");
  for (const BodyCase& c : kBodyCases) {
    for (size_t chunk : {1, 2, 1000}) {
      PickSource source;
      CharacterLinker linker(links, ignore, source);
      StringSource input(c.picture, chunk);
      LineReader lines(input, 8);
      StringSink sink;
      PageWriter out(sink, 16);
      writePageBody(lines, linker, out, "\n");
      ASSERT_TRUE(out.flush());
      EXPECT_EQ(sink.bytes, c.body) << c.name << ", chunk " << chunk;
    }
  }
}

TEST(PageBody, ARowSeparatorUsesTheGivenLineEnd) {
  StringList ignore, links;
  PickSource source;
  CharacterLinker linker(links, ignore, source);
  StringSource input("\n\n");
  LineReader lines(input);
  StringSink sink;
  PageWriter out(sink);
  writePageBody(lines, linker, out, "\r\n");
  out.flush();
  EXPECT_EQ(sink.bytes, "<br>\r\n");
}

TEST(TestPage, ThreeLinesPerLinkInListOrder) {
  StringList links;
  links.append("http://a/1.jpg");
  links.append("b c");
  StringSink sink;
  PageWriter out(sink);
  writeTestBody(links, out, "\n");
  out.flush();
  EXPECT_EQ(sink.bytes,
            "<a href='http://a/1.jpg'>http://a/1.jpg </a> <br>\n"
            "<br><img src=http://a/1.jpg border=0 alt='can you see your image?' > \n"
            "<hr> <br>\n"
            "<a href='b c'>b c </a> <br>\n"
            "<br><img src=b c border=0 alt='can you see your image?' > \n"
            "<hr> <br>\n");
}

// The block of one link, put together the plain way.
std::string testBlock(const std::string& link, const std::string& lineEnd) {
  return "<a href='" + link + "'>" + link + " </a> <br>" + lineEnd + "<br><img src=" + link +
         " border=0 alt='can you see your image?' > " + lineEnd + "<hr> <br>" + lineEnd;
}

TEST(TestPage, SameBytesForAnyBufferLinkLengthAndLineEnd) {
  // Small buffers and long links take the piece-by-piece path; a long line
  // end does not fit the fixed-size text blocks.
  const std::string longLink(5000, 'x');
  const std::string lineEnds[] = {"\n", "\r\n", std::string(100, '-')};
  const size_t capacities[] = {1, 200, 1000, 256 * 1024};
  for (const std::string& lineEnd : lineEnds) {
    for (size_t capacity : capacities) {
      StringList links;
      std::string expected;
      for (const std::string& link : {std::string("http://a/1.jpg"), longLink, std::string("b")}) {
        links.append(link);
        expected += testBlock(link, lineEnd);
      }
      StringSink sink;
      PageWriter out(sink, capacity);
      writeTestBody(links, out, lineEnd);
      out.flush();
      EXPECT_EQ(sink.bytes, expected)
          << "capacity " << capacity << ", line end of " << lineEnd.size();
    }
  }
}

class FullSink : public ByteSink {
 public:
  bool write(const char*, size_t) override {
    ++writes;
    return false;
  }
  int writes = 0;
};

TEST(PageWriter, AFailedWriteStaysFailedAndStopsTheBody) {
  for (PageWriter::Mode mode : {PageWriter::Mode::direct, PageWriter::Mode::background}) {
    FullSink sink;
    PageWriter out(sink, 16, mode);
    StringList ignore, links;
    PickSource source;
    CharacterLinker linker(links, ignore, source);
    std::string picture(100000, '#');
    StringSource input(picture);
    LineReader lines(input, 64);
    writePageBody(lines, linker, out, "\n");
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(sink.writes, 1);
    EXPECT_LT(source.next(), 32768);  // sanity: the source is still usable
  }
}

// Every capacity, even one too small to hold anything, passes on exactly the
// bytes written, in order, whichever way they come.
TEST(PageWriter, AnyCapacityKeepsTheBytesInOrder) {
  for (PageWriter::Mode mode : {PageWriter::Mode::direct, PageWriter::Mode::background}) {
    for (size_t capacity : {size_t{0}, size_t{1}, size_t{2}, size_t{7}}) {
      StringSink sink;
      PageWriter out(sink, capacity, mode);
      out.put('<');
      out.write("a href='x'>");
      out.put('#');
      out.write("");
      out.write("</a>");
      EXPECT_TRUE(out.flush());
      EXPECT_EQ(sink.bytes, "<a href='x'>#</a>") << "capacity " << capacity;
    }
  }
}

// In the background, blocks are written while the next is filled: many of
// them, of every size (writes larger than the buffer go straight through),
// still arrive whole and in order.
TEST(PageWriter, InTheBackgroundManyBlocksArriveInOrder) {
  std::string expected;
  StringSink sink;
  {
    PageWriter out(sink, 100, PageWriter::Mode::background);
    for (int i = 0; i < 20000; ++i) {
      std::string piece = std::to_string(i) + std::string(static_cast<size_t>(i % 151), 'x');
      out.write(piece);
      expected += piece;
      if (char* room = out.room(3)) {
        std::memcpy(room, "|#|", 3);
        out.commit(room + 3);
        expected += "|#|";
      }
    }
    EXPECT_TRUE(out.flush());
  }
  EXPECT_EQ(sink.bytes, expected);
}

// A writer dropped without a flush loses what it still buffered, and only that.
TEST(PageWriter, DroppedWithoutAFlushKeepsTheBlocksHandedOver) {
  for (PageWriter::Mode mode : {PageWriter::Mode::direct, PageWriter::Mode::background}) {
    StringSink sink;
    {
      PageWriter out(sink, 4, mode);
      out.write("abcdef");  // larger than the buffer: written at once
      out.write("gh");
    }
    EXPECT_EQ(sink.bytes, "abcdef");
  }
}

}  // namespace
}  // namespace zuva
