// The process entry: run the command the arguments name, then pause.
#include "app/application.h"
#include "app/console.h"

int main(int argc, char** argv) {
  {
    zuva::Application application;
    application.run(argc, argv);
    zuva::waitForKey();
  }
  return 0;
}
