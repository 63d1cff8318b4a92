#include "app/console.h"

#include <cstdio>
#include <cstdlib>

#include "app/platform.h"

namespace zuva {

void printLine(std::string_view text) {
  // A failed write to standard output is deliberately not noticed: the run goes
  // on to the pause and its usual exit status.
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void waitForKey() { platform::waitForKeyPress(); }

void fatalStop(std::string_view message) {
  printLine(message);
  waitForKey();
  std::exit(1);
}

}  // namespace zuva
