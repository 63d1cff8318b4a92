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
  std::string_view afterText() const;
  std::string_view afterImage() const;
  void writeSlowly(std::string_view link);

  PageWriter& out_;
  // The fixed texts of the block, line ends included, each followed by
  // kCopyPadding bytes for copyPadded.
  std::string afterText_;   // between the link text and the image
  std::string afterImage_;  // after the image, to the end of the block
};

// Writes the block of every link in `linkList`, in list order. Stops early
// once `out` has failed.
void writeTestBody(const StringList& linkList, PageWriter& out, std::string_view lineEnd);

}  // namespace zuva
