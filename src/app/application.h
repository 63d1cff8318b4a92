// The program object: the paths of one run and the commands that use them.
#pragma once

#include <string>

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

  // Fills the two lists (expected empty) from the file at `linksPath` and
  // prints the success line, or stops the run with its message.
  void readLinksFile(StringList& ignoreList, StringList& linkList);

  std::string artPath;    // ASCII picture to read (generate)
  std::string pagePath;   // HTML page to write (generate, test)
  std::string linksPath;  // links file to read (generate, test)
};

}  // namespace zuva
