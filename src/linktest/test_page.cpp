// The test command: a page that shows every link as a link and as an image.
#include "linktest/test_page.h"

#include <cstring>

#include "app/application.h"
#include "app/console.h"
#include "app/files.h"
#include "app/platform.h"
#include "page/frame.h"

namespace zuva {

namespace {

constexpr std::string_view kBeforeHref = "<a href='";
constexpr std::string_view kAfterHref = "'>";

std::string padded(std::string text) {
  text.append(kCopyPadding, '\0');
  return text;
}

char* copy(char* to, std::string_view bytes) {
  std::memcpy(to, bytes.data(), bytes.size());
  return to + bytes.size();
}

}  // namespace

TestBodyWriter::TestBodyWriter(PageWriter& out, std::string_view lineEnd)
    : out_(out),
      afterText_(padded(std::string(" </a> <br>") + std::string(lineEnd) + "<br><img src=")),
      afterImage_(padded(std::string(" border=0 alt='can you see your image?' > ") +
                         std::string(lineEnd) + "<hr> <br>" + std::string(lineEnd))) {}

std::string_view TestBodyWriter::afterText() const {
  return std::string_view(afterText_.data(), afterText_.size() - kCopyPadding);
}

std::string_view TestBodyWriter::afterImage() const {
  return std::string_view(afterImage_.data(), afterImage_.size() - kCopyPadding);
}

void TestBodyWriter::linkEntry(std::string_view link) {
  if (out_.failed()) return;
  // A million links make a page of hundreds of megabytes: each block is
  // copied straight into the writer's buffer, with room to spare for the
  // padded copies of the fixed texts.
  const std::string_view afterText = this->afterText();
  const std::string_view afterImage = this->afterImage();
  size_t size = kBeforeHref.size() + kAfterHref.size() + afterText.size() + afterImage.size() +
                3 * link.size() + kCopyPadding;
  char* to = out_.room(size);
  if (!to) {
    writeSlowly(link);
    return;
  }
  to = copy(to, kBeforeHref);
  to = copy(to, link);
  to = copy(to, kAfterHref);
  to = copy(to, link);
  to = copyPadded(to, afterText.data(), afterText.size());
  to = copy(to, link);
  to = copyPadded(to, afterImage.data(), afterImage.size());
  out_.commit(to);
}

// For a link too long for the writer's buffer.
void TestBodyWriter::writeSlowly(std::string_view link) {
  for (std::string_view bytes :
       {kBeforeHref, link, kAfterHref, link, afterText(), link, afterImage()})
    out_.write(bytes);
}

void writeTestBody(const StringList& linkList, PageWriter& out, std::string_view lineEnd) {
  TestBodyWriter body(out, lineEnd);
  for (size_t i = 0; i < linkList.size() && !out.failed(); ++i) body.linkEntry(linkList[i]);
}

void Application::testLinks() {
  // A links file that can be read again from its start is read twice: once
  // to check it before the page is emptied, then again while the page is
  // written, so a million links are never held in memory. Anything else (a
  // pipe) is read once and its links are kept.
  InputFile links = openLinksFile();
  bool rereadable = links.isRegular();
  StringList ignoreList;
  StringList linkList;
  {
    LineReader lines(links);
    reportLinksResult(rereadable ? checkLinks(lines) : readLinks(lines, ignoreList, linkList));
  }
  // Opening the page empties it: it must not be the links file just read.
  if (platform::sameRegularFile(pagePath, linksPath))
    fatalStop("Could not open " + pagePath + " file for writing: it is the links file");
  OutputFile pageFile = OutputFile::open(pagePath);
  if (!pageFile.isOpen()) fatalStop("Could not open " + pagePath + " file for writing");

  bool readFailed = false;
  bool written = false;
  {
    // Written from this thread: copying links costs so little next to the
    // kernel's copy of the page that a second thread gains nothing, and
    // passing the buffers between two cores costs more.
    PageWriter page(pageFile);
    page.write(kPageHeader);
    if (rereadable) {
      // The file was fine a moment ago; anything else now means it changed
      // or failed under us.
      readFailed = !links.rewind();
      if (!readFailed) {
        TestBodyWriter body(page, platform::kPageLineEnd);
        LineReader lines(links);
        readFailed = readLinks(lines, body) != LinksResult::ok;
      }
    } else {
      writeTestBody(linkList, page, platform::kPageLineEnd);
    }
    links.close();
    if (!readFailed) {
      page.write(kPageFooterFont);
      page.write(kPageFooterEnd);
      written = page.flush();
    }
  }  // the page writer's thread is done with the page here, before any stop
  if (readFailed) fatalStop("Could not read " + linksPath + " file");
  if (!written || !pageFile.close()) fatalStop("Could not write " + pagePath + " file");
  printLine("tested successfuly");
  printLine("use your browser to see if all images are seen in file " + pagePath);
}

}  // namespace zuva
