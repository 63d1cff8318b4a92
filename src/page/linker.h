// Turning picture lines into HTML in which every character that is not
// ignored is a link, each drawn reproducibly from the link list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "links/string_list.h"
#include "page/page_writer.h"

namespace zuva {

// The pseudo-random source that draws the links. Every run starts from the
// same state, so the same inputs give the same page.
class PickSource {
 public:
  static constexpr uint32_t kInitialState = 1;

  // The next value, from 0 to 32767.
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

  // The one source of the process, set to the initial state at start-up.
  static PickSource& process();

 private:
  uint32_t state_ = kInitialState;
};

// The index of the link that the drawn value `r` selects among `n` links; it
// is below `n` for every r from 0 to 32767.
size_t pickIndex(int r, size_t n);

// Links the characters of picture lines. Refers to both lists and to the
// source, which must outlive it; changes neither list.
class CharacterLinker {
 public:
  CharacterLinker(const StringList& linkList, const StringList& ignoreList,
                  PickSource& source = PickSource::process());

  // Draws a value and returns a copy of the link it selects; the empty string
  // when there are no links.
  std::string pickLink();

  // True when the one-byte string `c` is an entry of the ignore list.
  bool isIgnored(std::string_view c) const;

  // The converted line as a new string. `line` has no line end.
  std::string linkLine(std::string_view line);

  // Writes the conversion of `bytes`, a piece of a line, to `out`: the same
  // bytes as linkLine, without holding the whole line.
  void linkPiece(std::string_view bytes, PageWriter& out);

 private:
  const StringList& linkList_;
  PickSource& source_;
  bool ignored_[256];
  // The opening tag "<a href='" + link + "'>" of every link, side by side,
  // and where each one is in openTags_.
  struct TagSpan {
    size_t begin;
    size_t size;
  };
  std::string openTags_;
  std::vector<TagSpan> tagSpans_;
  size_t longestTag_ = 0;
  // The tag selected by each of the 32768 values the source can draw.
  std::vector<uint32_t> tagForValue_;

  // Converting one character. It works on copies of what it needs (the
  // source's state included, written back after a piece): through the
  // members, the compiler would reload each after every byte stored, as the
  // output might overlap them.
  struct Step {
    const bool* ignored;
    const uint32_t* tagForValue;
    const TagSpan* spans;
    const char* tags;
    PickSource source;
    template <typename Emit>
    void operator()(char c, Emit emit);
  };
};

}  // namespace zuva
