#include "page/linker.h"

#include <cstring>

namespace zuva {

namespace {

// The single-precision number nearest to 1/32767 (bit pattern 0x38000100).
// Being slightly below 1/32767 keeps r * kScale below 1 for r = 32767, so the
// index never reaches the number of links.
constexpr double kScale = 3.0518509447574615e-05;

// A browser collapses runs of blanks; this keeps a blank background standing.
constexpr std::string_view kBlank = "&nbsp;";
constexpr std::string_view kOpenStart = "<a href='";
constexpr std::string_view kOpenEnd = "'>";
constexpr std::string_view kClose = "</a>";

// In a picture, linked and ignored characters come in no pattern a processor
// could predict, so the hot loop makes the same copies for both and only
// advances by different amounts: a tag and "</a>" count for nothing around
// an ignored character. The tags are followed by kCopyPadding bytes for
// copyPadded, and the room asked for includes the overrun (kSlack).
constexpr char kBlankBlock[8] = "&nbsp;";
constexpr size_t kSlack = kCopyPadding + sizeof kBlankBlock + kClose.size();

// Puts a character's bytes straight into the writer's buffer at `p`.
struct IntoBuffer {
  char*& p;
  void tag(const char* data, size_t size) { p = copyPadded(p, data, size); }
  void character(char c) {
    const bool blank = c == ' ';
    std::memcpy(p, kBlankBlock, sizeof kBlankBlock);
    p[0] = blank ? kBlankBlock[0] : c;
    p += blank ? kBlank.size() : 1;
  }
  void close(bool linked) {
    std::memcpy(p, kClose.data(), kClose.size());
    p += linked ? kClose.size() : 0;
  }
};

// Hands a character's bytes to the writer's bounds-checked writes.
struct ThroughWriter {
  PageWriter& out;
  void tag(const char* data, size_t size) { out.write(data, size); }
  void character(char c) {
    if (c == ' ')
      out.write(kBlank);
    else
      out.put(c);
  }
  void close(bool linked) {
    if (linked) out.write(kClose);
  }
};

}  // namespace

PickSource& PickSource::process() {
  static PickSource source;
  return source;
}

size_t pickIndex(int r, size_t n) {
  return static_cast<size_t>((r * kScale) * static_cast<double>(n));
}

CharacterLinker::CharacterLinker(const StringList& linkList, const StringList& ignoreList,
                                 PickSource& source)
    : linkList_(linkList), source_(source), tagForValue_(32768) {
  for (bool& b : ignored_) b = false;
  for (size_t i = 0; i < ignoreList.size(); ++i)
    if (ignoreList[i].size() == 1) ignored_[static_cast<unsigned char>(ignoreList[i][0])] = true;

  // Without links every linked character gets an empty address.
  size_t tags = linkList.empty() ? 1 : linkList.size();
  for (size_t i = 0; i < tags; ++i) {
    size_t begin = openTags_.size();
    openTags_.append(kOpenStart);
    if (!linkList.empty()) openTags_.append(linkList[i]);
    openTags_.append(kOpenEnd);
    tagSpans_.push_back({begin, openTags_.size() - begin});
    if (openTags_.size() - begin > longestTag_) longestTag_ = openTags_.size() - begin;
  }
  openTags_.append(kCopyPadding, '\0');
  for (int r = 0; r < 32768; ++r)
    tagForValue_[r] = linkList.empty() ? 0 : static_cast<uint32_t>(pickIndex(r, linkList.size()));
}

std::string CharacterLinker::pickLink() {
  int r = source_.next();
  if (linkList_.empty()) return std::string();
  return std::string(linkList_[pickIndex(r, linkList_.size())]);
}

bool CharacterLinker::isIgnored(std::string_view c) const {
  return c.size() == 1 && ignored_[static_cast<unsigned char>(c[0])];
}

std::string CharacterLinker::linkLine(std::string_view line) {
  StringSink sink;
  PageWriter out(sink);
  linkPiece(line, out);
  out.flush();
  return std::move(sink.bytes);
}

// The bytes of one character, handed to `emit` (IntoBuffer, ThroughWriter):
// its opening tag and "</a>" around it unless it is ignored, and "&nbsp;" for
// a blank.
template <typename Emit>
inline void CharacterLinker::Step::operator()(char c, Emit emit) {
  const bool linked = !ignored[static_cast<unsigned char>(c)];
  // Only a linked character draws a value, but the lookup is made for both.
  PickSource drawn = source;
  const TagSpan& tag = spans[tagForValue[drawn.next()]];
  if (linked) source = drawn;
  emit.tag(tags + tag.begin, linked ? tag.size : 0);
  emit.character(c);
  emit.close(linked);
}

void CharacterLinker::linkPiece(std::string_view bytes, PageWriter& out) {
  // The hot loop: ask the writer once for room enough for a run of characters
  // at their longest (tag, "&nbsp;", "</a>") and fill it directly.
  const size_t widest = longestTag_ + kSlack;
  const size_t run = out.capacity() / widest;
  Step step{ignored_, tagForValue_.data(), tagSpans_.data(), openTags_.data(), source_};
  while (!bytes.empty()) {
    size_t count = bytes.size() < run ? bytes.size() : run;
    char* p = count > 0 ? out.room(count * widest) : nullptr;
    if (!p) {
      // A link longer than the writer's buffer: through its bounds-checked
      // writes, one character at a time.
      for (char c : bytes) step(c, ThroughWriter{out});
      break;
    }
    for (char c : bytes.substr(0, count)) step(c, IntoBuffer{p});
    out.commit(p);
    bytes.remove_prefix(count);
  }
  source_ = step.source;
}

}  // namespace zuva
