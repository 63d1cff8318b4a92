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

}  // namespace

LinksResult readLinks(LineReader& lines, StringList& ignoreList, StringList& linkList) {
  bool ignoreSeen = false;
  bool linksSeen = false;
  StringList* current = &ignoreList;
  std::string line;
  while (lines.readLine(line)) {
    if (line.empty()) continue;
    if (equalsKeyword(line, "#ignore")) {
      current = &ignoreList;
      ignoreSeen = true;
    } else if (equalsKeyword(line, "#links")) {
      current = &linkList;
      linksSeen = true;
    } else if (!ignoreSeen && !linksSeen) {
      return LinksResult::entryBeforeKeyword;
    } else {
      current->append(line);
    }
  }
  if (lines.readError()) return LinksResult::readError;
  return ignoreSeen && linksSeen ? LinksResult::ok : LinksResult::missingKeyword;
}

void Application::readLinksFile(StringList& ignoreList, StringList& linkList) {
  InputFile file = InputFile::open(linksPath);
  if (!file.isOpen()) fatalStop("Could not open " + linksPath + " file for reading");
  // Addresses are most of a links file: room for them all at once spares
  // copying a list of a million entries as it grows.
  linkList.reserveBytes(file.sizeHint());
  LineReader lines(file);
  LinksResult result = readLinks(lines, ignoreList, linkList);
  file.close();
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

}  // namespace zuva
