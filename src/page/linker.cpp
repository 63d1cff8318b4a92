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
    openTags_.append(kOpenStart);
    if (!linkList.empty()) openTags_.append(linkList[i]);
    openTags_.append(kOpenEnd);
    size_t begin = openEnds_.empty() ? 0 : openEnds_.back();
    openEnds_.push_back(openTags_.size());
    if (openTags_.size() - begin > longestTag_) longestTag_ = openTags_.size() - begin;
  }
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

// The bytes of one character, handed to `emit(data, size)`: its opening tag
// and "</a>" around it unless it is ignored, and "&nbsp;" for a blank.
template <typename Emit>
inline void CharacterLinker::linkCharacter(char c, Emit&& emit) {
  const bool ignored = ignored_[static_cast<unsigned char>(c)];
  if (!ignored) {
    uint32_t tag = tagForValue_[source_.next()];
    size_t begin = tag == 0 ? 0 : openEnds_[tag - 1];
    emit(openTags_.data() + begin, openEnds_[tag] - begin);
  }
  if (c == ' ')
    emit(kBlank.data(), kBlank.size());
  else
    emit(&c, 1);
  if (!ignored) emit(kClose.data(), kClose.size());
}

void CharacterLinker::linkPiece(std::string_view bytes, PageWriter& out) {
  // The hot loop: ask the writer once for room enough for a run of characters
  // at their longest (tag, "&nbsp;", "</a>") and fill it directly.
  const size_t widest = longestTag_ + kBlank.size() + kClose.size();
  const size_t run = out.capacity() / widest;
  while (!bytes.empty()) {
    size_t count = bytes.size() < run ? bytes.size() : run;
    char* p = count > 0 ? out.room(count * widest) : nullptr;
    if (!p) {
      // A link longer than the writer's buffer: through its bounds-checked
      // writes, one character at a time.
      for (char c : bytes)
        linkCharacter(c, [&out](const char* data, size_t size) { out.write(data, size); });
      return;
    }
    for (char c : bytes.substr(0, count))
      linkCharacter(c, [&p](const char* data, size_t size) {
        std::memcpy(p, data, size);
        p += size;
      });
    out.commit(p);
    bytes.remove_prefix(count);
  }
}

}  // namespace zuva
