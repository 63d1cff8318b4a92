// The test command: a page that shows every link as a link and as an image.
#include "linktest/test_page.h"

#include "app/application.h"
#include "app/console.h"
#include "app/files.h"
#include "app/platform.h"
#include "page/frame.h"

namespace zuva {

void writeTestBody(const StringList& linkList, PageWriter& out, std::string_view lineEnd) {
  for (size_t i = 0; i < linkList.size() && !out.failed(); ++i) {
    std::string_view link = linkList[i];
    out.write("<a href='");
    out.write(link);
    out.write("'>");
    out.write(link);
    out.write(" </a> <br>");
    out.write(lineEnd);
    out.write("<br><img src=");
    out.write(link);
    out.write(" border=0 alt='can you see your image?' > ");
    out.write(lineEnd);
    out.write("<hr> <br>");
    out.write(lineEnd);
  }
}

void Application::testLinks() {
  StringList ignoreList;
  StringList linkList;
  readLinksFile(ignoreList, linkList);
  // Opening the page empties it: it must not be the links file just read.
  if (platform::sameRegularFile(pagePath, linksPath))
    fatalStop("Could not open " + pagePath + " file for writing: it is the links file");
  OutputFile pageFile = OutputFile::open(pagePath);
  if (!pageFile.isOpen()) fatalStop("Could not open " + pagePath + " file for writing");

  PageWriter page(pageFile);
  page.write(kPageHeader);
  writeTestBody(linkList, page, platform::kPageLineEnd);
  page.write(kPageFooterFont);
  page.write(kPageFooterEnd);
  if (!page.flush() || !pageFile.close()) fatalStop("Could not write " + pagePath + " file");
  printLine("tested successfuly");
  printLine("use your browser to see if all images are seen in file " + pagePath);
}

}  // namespace zuva
