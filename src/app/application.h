// The program object: the paths of one run and the commands that use them.
#pragma once

#include <string>

#include "app/files.h"
#include "links/links_reader.h"
#include "links/string_list.h"

namespace zuva {

class Application {
 public:
  // Runs the command named by argv[1] (the usage text when there is none).
  // Returns only when the command finished; every failure ends the process.
  void run(int argc, const char* const* argv);

  // The commands; each reads its paths from the fields below.
  void showUsage();
  void testLinks();
  void generatePage();

  // Opens the file at `linksPath`, or stops the run with its message.
  InputFile openLinksFile();
  // Prints the success line for a links file read with `result`, or stops the
  // run with the message for what is wrong with it.
  void reportLinksResult(LinksResult result);
  // Fills the two lists (expected empty) from the file at `linksPath`, as the
  // one above.
  void readLinksFile(StringList& ignoreList, StringList& linkList);

  std::string artPath;    // ASCII picture to read (generate)
  std::string pagePath;   // HTML page to write (generate, test)
  std::string linksPath;  // links file to read (generate, test)
};

}  // namespace zuva
