// The generate command: a picture file and a links file become a linked page.
#include "app/application.h"
#include "app/console.h"
#include "app/files.h"
#include "app/platform.h"
#include "page/frame.h"
#include "page/page_body.h"

namespace zuva {

namespace {
// Each block passed between the two threads costs a wake-up; blocks of 1 MiB
// made a 1 GB page on tmpfs about a fifth faster than blocks of 256 KiB.
constexpr size_t kPageBlock = size_t{1024} * 1024;
}  // namespace

void Application::generatePage() {
  InputFile art = InputFile::open(artPath);
  if (!art.isOpen()) fatalStop("Could not open " + artPath + " file for reading");
  // Opening the page empties it: it must not be one of the inputs.
  if (platform::sameRegularFile(pagePath, artPath))
    fatalStop("Could not open " + pagePath + " file for writing: it is the picture file");
  if (platform::sameRegularFile(pagePath, linksPath))
    fatalStop("Could not open " + pagePath + " file for writing: it is the links file");
  OutputFile pageFile = OutputFile::open(pagePath);
  if (!pageFile.isOpen()) fatalStop("Could not open " + pagePath + " file for writing");

  StringList ignoreList;
  StringList linkList;
  readLinksFile(ignoreList, linkList);
  CharacterLinker linker(linkList, ignoreList);

  bool readFailed = false;
  bool written = false;
  {
    PageWriter page(pageFile, kPageBlock, PageWriter::Mode::background);
    page.write(kPageHeader);
    LineReader lines(art);
    writePageBody(lines, linker, page, platform::kPageLineEnd);
    readFailed = lines.readError();
    if (!readFailed) {
      page.write(kPageFooterFont);
      art.close();
      page.write(kPageFooterEnd);
      written = page.flush();
    }
  }  // the page writer's thread is done with the page here, before any stop
  if (readFailed) fatalStop("Could not read " + artPath + " file");
  if (!written || !pageFile.close()) fatalStop("Could not write " + pagePath + " file");
  printLine("finished successfuly");
}

}  // namespace zuva
