#include "app/application.h"

#include <cstring>

#include "app/console.h"

namespace zuva {

namespace {

using PathField = std::string Application::*;

// One console line announcing a command: `before` + the path + `after`.
struct Announcement {
  const char* before;
  PathField path;
  const char* after;
};

struct Command {
  const char* longForm;
  const char* shortForm;
  int parameterCount;
  PathField parameters[3];  // the fields the parameters go to, in order
  Announcement announcements[3];
  void (Application::*operation)();
};

const Command kCommands[] = {
    {"--help", "-h", 0, {}, {}, &Application::showUsage},
    {"--test",
     "-t",
     2,
     {&Application::pagePath, &Application::linksPath},
     {{"Testing link file. ", &Application::linksPath, ""},
      {"Output to ", &Application::pagePath, " file "}},
     &Application::testLinks},
    {"--generate",
     "-g",
     3,
     {&Application::artPath, &Application::pagePath, &Application::linksPath},
     {{"Generating tovrin specified in file ", &Application::artPath, ""},
      {"Output to ", &Application::pagePath, " file "},
      {"Links in ", &Application::linksPath, " file "}},
     &Application::generatePage},
};

}  // namespace

void Application::run(int argc, const char* const* argv) {
  if (argc < 2) {
    showUsage();
    return;
  }
  const std::string word = argv[1];
  for (const Command& command : kCommands) {
    if (word != command.longForm && word != command.shortForm) continue;
    if (argc - 2 < command.parameterCount) fatalStop("not enough parameters");
    for (int i = 0; i < command.parameterCount; ++i) this->*command.parameters[i] = argv[2 + i];
    for (const Announcement& line : command.announcements) {
      if (!line.before) break;
      printLine(line.before + this->*line.path + line.after);
    }
    (this->*command.operation)();
    return;
  }
  fatalStop(word + " is not a recognizable command");
}

}  // namespace zuva
