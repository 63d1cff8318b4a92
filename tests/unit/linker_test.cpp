#include "page/linker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuva {
namespace {

StringList listOf(std::vector<std::string> entries) {
  StringList list;
  for (const std::string& e : entries) list.append(e);
  return list;
}

TEST(PickSource, StartsFromTheSameStateEveryTime) {
  PickSource source;
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(source.next(), value);
}

TEST(PickIndex, StaysBelowTheNumberOfLinks) {
  for (size_t n : {1, 2, 3, 7, 100, 32767, 32768, 1000000}) {
    EXPECT_EQ(pickIndex(32767, n), n - 1) << n;
    EXPECT_EQ(pickIndex(0, n), 0u) << n;
  }
  EXPECT_EQ(pickIndex(41, 2), 0u);
  EXPECT_EQ(pickIndex(16384, 2), 1u);
  EXPECT_EQ(pickIndex(16383, 2), 0u);
}

TEST(CharacterLinker, PickLinkDrawsOnEveryCallAndCopiesTheSelectedLink) {
  StringList links = listOf({"a", "b", "c"});
  StringList none;
  PickSource source;
  CharacterLinker linker(links, none, source);
  // 41, 18467, 6334, 26500 select 0, 1, 0, 2 of three.
  EXPECT_EQ(linker.pickLink(), "a");
  EXPECT_EQ(linker.pickLink(), "b");
  EXPECT_EQ(linker.pickLink(), "a");
  EXPECT_EQ(linker.pickLink(), "c");

  PickSource emptySource;
  CharacterLinker noLinks(none, none, emptySource);
  EXPECT_EQ(noLinks.pickLink(), "");
  EXPECT_EQ(emptySource.next(), 18467);  // the empty list still drew a value
}

TEST(CharacterLinker, IgnoresOnlyOneByteEntriesAsWritten) {
  StringList ignore = listOf({"~", "X", "ab", " "});
  StringList links;
  PickSource source;
  CharacterLinker linker(links, ignore, source);
  EXPECT_TRUE(linker.isIgnored("~"));
  EXPECT_TRUE(linker.isIgnored("X"));
  EXPECT_FALSE(linker.isIgnored("x"));
  EXPECT_TRUE(linker.isIgnored(" "));
  EXPECT_FALSE(linker.isIgnored("a"));
  EXPECT_FALSE(linker.isIgnored("ab"));
}

struct LinkLineCase {
  const char* name;
  std::vector<std::string> ignore;
  std::vector<std::string> links;
  std::string line;
  std::string converted;
  int draws;  // values drawn from the source
};

const LinkLineCase kLinkLineCases[] = {
    {"ignored characters stay plain", {"~"}, {"L1", "L2"}, "~#~", "~<a href='L1'>#</a>~", 1},
    {"only ignored characters", {"~", "."}, {"L"}, "~.~", "~.~", 0},
    {"empty line", {"~"}, {"L"}, "", "", 0},
    {"one link for every character", {}, {"L"}, "ab", "<a href='L'>a</a><a href='L'>b</a>", 2},
    {"links drawn in reading order",
     {},
     {"a", "b", "c"},
     "wxyz",
     "<a href='a'>w</a><a href='b'>x</a><a href='a'>y</a><a href='c'>z</a>",
     4},
    {"no links gives empty addresses", {}, {}, "#", "<a href=''>#</a>", 1},
    {"a linked blank", {}, {"L"}, " ", "<a href='L'>&nbsp;</a>", 1},
    {"an ignored blank", {" "}, {"L"}, "  #", "&nbsp;&nbsp;<a href='L'>#</a>", 1},
    {"nothing else is escaped",
     {},
     {"u"},
     "<&'\"\xE9",
     "<a href='u'><</a><a href='u'>&</a><a href='u'>'</a><a href='u'>\"</a><a href='u'>\xE9</a>",
     5},
    {"upper case is not ignored by a lower-case entry",
     {"x"},
     {"L"},
     "xX",
     "x<a href='L'>X</a>",
     1},
    {"NUL is an ordinary character",
     {},
     {"L"},
     std::string("\0", 1),
     std::string("<a href='L'>\0</a>", 17),
     1},
};

TEST(CharacterLinker, LinkLineConvertsEveryCharacter) {
  for (const LinkLineCase& c : kLinkLineCases) {
    StringList ignore = listOf(c.ignore), links = listOf(c.links);
    PickSource source, reference;
    CharacterLinker linker(links, ignore, source);
    EXPECT_EQ(linker.linkLine(c.line), c.converted) << c.name;
    for (int i = 0; i < c.draws; ++i) reference.next();
    EXPECT_EQ(source.next(), reference.next()) << c.name << ": wrong number of draws";
  }
}

TEST(CharacterLinker, PiecesGiveTheSameBytesAsWholeLines) {
  StringList ignore = listOf({"~", " "});
  StringList links = listOf({"http://x/1", "http://x/22", "http://x/333"});
  std::string line;
  for (int i = 0; i < 5000; ++i) line += "~ #+*<"[i * 7 % 6];
  PickSource wholeSource, pieceSource;
  CharacterLinker whole(links, ignore, wholeSource);
  CharacterLinker pieces(links, ignore, pieceSource);
  StringSink sink;
  PageWriter out(sink, 64);  // small, so tags straddle the buffer's end
  for (size_t at = 0; at < line.size(); at += 37)
    pieces.linkPiece(std::string_view(line).substr(at, 37), out);
  ASSERT_TRUE(out.flush());
  EXPECT_EQ(sink.bytes, whole.linkLine(line));
}

// The fast path copies tags in fixed-size blocks; around and past the block
// sizes it must give the bytes of the character-by-character path (taken for
// a buffer too small for any run).
TEST(CharacterLinker, TagsOfEveryLengthGiveTheSameBytesOnBothPaths) {
  StringList ignore = listOf({"~"});
  std::string line;
  for (int i = 0; i < 3000; ++i) line += "~ #~~+ ~*"[i * 5 % 9];
  for (size_t length : {size_t{1}, size_t{52}, size_t{53}, size_t{54}, size_t{85}, size_t{86},
                        size_t{87}, size_t{300}}) {
    StringList links = listOf({std::string(length, 'a'), std::string(length / 2 + 1, 'b'), "c"});
    PickSource fastSource, slowSource;
    CharacterLinker fast(links, ignore, fastSource);
    CharacterLinker slow(links, ignore, slowSource);
    StringSink sink;
    PageWriter out(sink, 1);
    slow.linkPiece(line, out);
    ASSERT_TRUE(out.flush());
    EXPECT_EQ(fast.linkLine(line), sink.bytes) << "link of " << length;
  }
}

TEST(CharacterLinker, ALinkLongerThanTheOutputBufferIsWrittenWhole) {
  std::string longLink(1000, 'l');
  StringList links = listOf({longLink});
  StringList ignore;
  PickSource source;
  CharacterLinker linker(links, ignore, source);
  StringSink sink;
  PageWriter out(sink, 16);
  linker.linkPiece("ab", out);
  ASSERT_TRUE(out.flush());
  std::string one = "<a href='" + longLink + "'>";
  EXPECT_EQ(sink.bytes, one + "a</a>" + one + "b</a>");
}

}  // namespace
}  // namespace zuva
