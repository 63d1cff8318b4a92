#include "links/links_reader.h"

#include <string>

#include "app/application.h"
#include "app/console.h"
#include "app/files.h"

namespace zuva {

namespace {

// Compares ignoring the letter case of "A" to "Z" only; other bytes, those of
// 128 and above included, must be equal.
bool equalsKeyword(std::string_view line, std::string_view keyword) {
  if (line.size() != keyword.size()) return false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != keyword[i]) return false;
  }
  return true;
}

// Reads the links file, handing its entries to `visitor`; without a visitor,
// stops looking at lines once the keywords are settled.
LinksResult scanLinks(LineReader& lines, LinksVisitor* visitor) {
  bool ignoreSeen = false;
  bool linksSeen = false;
  bool inLinks = false;
  // A line that arrives in several pieces is put together here; the others
  // are used where the reader holds them.
  std::string gathered;
  bool gathering = false;
  LinePiece piece;
  while (lines.nextPiece(piece)) {
    if (!piece.endsLine) {
      if (!gathering) gathered.clear();
      gathered.append(piece.bytes.data(), piece.bytes.size());
      gathering = true;
      continue;
    }
    std::string_view line = piece.bytes;
    if (gathering) {
      gathered.append(piece.bytes.data(), piece.bytes.size());
      line = gathered;
      gathering = false;
    }
    if (line.empty()) continue;
    if (equalsKeyword(line, "#ignore")) {
      inLinks = false;
      ignoreSeen = true;
    } else if (equalsKeyword(line, "#links")) {
      inLinks = true;
      linksSeen = true;
    } else if (!ignoreSeen && !linksSeen) {
      return LinksResult::entryBeforeKeyword;
    } else if (!visitor) {
      // Entries are not wanted, and once both keywords have appeared nothing
      // later can make the file wrong but a failing read.
      if (ignoreSeen && linksSeen) {
        lines.skipRest();
        break;
      }
    } else if (inLinks) {
      visitor->linkEntry(line);
    } else {
      visitor->ignoreEntry(line);
    }
  }
  if (lines.readError()) return LinksResult::readError;
  return ignoreSeen && linksSeen ? LinksResult::ok : LinksResult::missingKeyword;
}

}  // namespace

LinksResult readLinks(LineReader& lines, LinksVisitor& visitor) {
  return scanLinks(lines, &visitor);
}

LinksResult checkLinks(LineReader& lines) { return scanLinks(lines, nullptr); }

LinksResult readLinks(LineReader& lines, StringList& ignoreList, StringList& linkList) {
  LinksCollector collector(ignoreList, linkList);
  return readLinks(lines, collector);
}

InputFile Application::openLinksFile() {
  InputFile file = InputFile::open(linksPath);
  if (!file.isOpen()) fatalStop("Could not open " + linksPath + " file for reading");
  return file;
}

void Application::reportLinksResult(LinksResult result) {
  switch (result) {
    case LinksResult::ok:
      printLine("read link file successfuly");
      return;
    case LinksResult::entryBeforeKeyword:
      fatalStop("did not specify either #ignore or #links keywords in links file");
    case LinksResult::missingKeyword:
      fatalStop("did not specify eiter #ignore or #links keywords in links file");
    case LinksResult::readError:
      fatalStop("Could not read " + linksPath + " file");
  }
}

void Application::readLinksFile(StringList& ignoreList, StringList& linkList) {
  InputFile file = openLinksFile();
  // Addresses are most of a links file: room for them all at once spares
  // copying a list of a million entries as it grows.
  linkList.reserveBytes(file.sizeHint());
  LineReader lines(file);
  LinksResult result = readLinks(lines, ignoreList, linkList);
  file.close();
  reportLinksResult(result);
}

}  // namespace zuva
