// The links file: which picture characters stay plain and where links point.
//
// Format: a "#ignore" line starts the ignore section, a "#links" line the
// links section (keywords in any letter case, as the whole line). Every other
// non-empty line is an entry of the current section, stored exactly as
// written. Sections may repeat and come in any order; both must appear, and
// no entry may come before the first keyword.
#pragma once

#include "links/line_reader.h"
#include "links/string_list.h"

namespace zuva {

enum class LinksResult {
  ok,
  entryBeforeKeyword,  // an entry came before any keyword; reading stopped there
  missingKeyword,      // the input ended without both keywords
  readError,           // the source failed
};

// Appends the entries of the links file read from `lines` to `ignoreList` and
// `linkList`, in file order.
LinksResult readLinks(LineReader& lines, StringList& ignoreList, StringList& linkList);

}  // namespace zuva
