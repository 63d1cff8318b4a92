// The links file: which picture characters stay plain and where links point.
//
// Format: a "#ignore" line starts the ignore section, a "#links" line the
// links section (keywords in any letter case, as the whole line). Every other
// non-empty line is an entry of the current section, stored exactly as
// written. Sections may repeat and come in any order; both must appear, and
// no entry may come before the first keyword.
#pragma once

#include <string_view>

#include "links/line_reader.h"
#include "links/string_list.h"

namespace zuva {

enum class LinksResult {
  ok,
  entryBeforeKeyword,  // an entry came before any keyword; reading stopped there
  missingKeyword,      // the input ended without both keywords
  readError,           // the source failed
};

// Receives the entries of a links file in file order, as they are read.
class LinksVisitor {
 public:
  virtual ~LinksVisitor() = default;
  // `entry` is valid only during the call.
  virtual void ignoreEntry(std::string_view entry) = 0;
  virtual void linkEntry(std::string_view entry) = 0;
};

// Appends the entries to two lists, which must outlive it.
class LinksCollector : public LinksVisitor {
 public:
  LinksCollector(StringList& ignoreList, StringList& linkList)
      : ignoreList_(ignoreList), linkList_(linkList) {}
  void ignoreEntry(std::string_view entry) override { ignoreList_.append(entry); }
  void linkEntry(std::string_view entry) override { linkList_.append(entry); }

 private:
  StringList& ignoreList_;
  StringList& linkList_;
};

// Reads the links file from `lines`, handing every entry to `visitor`. On an
// error the entries before it have been handed over already.
LinksResult readLinks(LineReader& lines, LinksVisitor& visitor);

// Reads the links file from `lines` as `readLinks` does, for the result alone:
// what follows the keywords is read through but not split into entries.
LinksResult checkLinks(LineReader& lines);

// Appends the entries of the links file read from `lines` to `ignoreList` and
// `linkList`, in file order.
LinksResult readLinks(LineReader& lines, StringList& ignoreList, StringList& linkList);

}  // namespace zuva
