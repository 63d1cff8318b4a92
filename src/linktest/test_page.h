// The body of the link test page.
#pragma once

#include <string>
#include <string_view>

#include "links/links_reader.h"
#include "links/string_list.h"
#include "page/page_writer.h"

namespace zuva {

// Writes, for each link handed to it, a text link, the image, and a rule,
// each line ending with the given line end. Ignore entries write nothing.
// `out` must outlive the writer.
class TestBodyWriter : public LinksVisitor {
 public:
  TestBodyWriter(PageWriter& out, std::string_view lineEnd);

  void ignoreEntry(std::string_view) override {}
  void linkEntry(std::string_view link) override;

 private:
  // A fixed text of the block, line ends included. It is copied as the whole
  // array, a fixed-size copy that compiles to a few moves; the bytes past
  // `size` are overwritten by what comes next.
  struct Text {
    char bytes[64];
    size_t size;
  };
  static Text makeText(const std::string& text);
  void writeSlowly(std::string_view link);

  PageWriter& out_;
  std::string afterText_;   // between the link text and the image
  std::string afterImage_;  // after the image, to the end of the block
  Text afterTextBlock_;
  Text afterImageBlock_;
  bool blocksFit_;  // false for a line end too long for the blocks
};

// Writes the block of every link in `linkList`, in list order. Stops early
// once `out` has failed.
void writeTestBody(const StringList& linkList, PageWriter& out, std::string_view lineEnd);

}  // namespace zuva
