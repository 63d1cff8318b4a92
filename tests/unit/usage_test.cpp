#include "app/usage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "links/links_reader.h"

namespace zuva {
namespace {

std::string readExample(const char* name) {
  std::ifstream in(std::string(ZUVA_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Usage lines first..last (counting from 1), each with a newline.
std::string usageLines(size_t first, size_t last) {
  std::string out;
  for (size_t i = first; i <= last; ++i) out += std::string(kUsageLines[i - 1]) + "\n";
  return out;
}

TEST(Usage, ExampleFilesAreTheExamplesInTheUsageText) {
  EXPECT_EQ(readExample("links.txt"), usageLines(15, 19));
  EXPECT_EQ(readExample("picture.txt"), usageLines(22, 33));
}

TEST(Usage, ExampleLinksFileIsValid) {
  std::string file = usageLines(15, 19);
  StringSource source(file);
  LineReader lines(source);
  StringList ignoreList, linkList;
  ASSERT_EQ(readLinks(lines, ignoreList, linkList), LinksResult::ok);
  ASSERT_EQ(ignoreList.size(), 1u);
  EXPECT_EQ(ignoreList[0], "~");
  ASSERT_EQ(linkList.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    std::string_view link = linkList[i];
    EXPECT_EQ(link.substr(0, 8), "https://") << link;
    EXPECT_EQ(link.substr(link.size() - 4), ".jpg") << link;
  }
}

TEST(Usage, ExamplePictureKeepsToItsCharacters) {
  const std::string allowed = "~#+3578>?XZn\xA2\xA4\xA5\xA7\xB5\xBB\xC5\xD7\xDD\xE3\xF0\xF7";
  for (size_t row = 22; row <= 33; ++row) {
    std::string line = kUsageLines[row - 1];
    EXPECT_EQ(line.size(), 46u) << "row " << row;
    EXPECT_EQ(line.find_first_not_of(allowed), std::string::npos) << "row " << row;
  }
}

}  // namespace
}  // namespace zuva
