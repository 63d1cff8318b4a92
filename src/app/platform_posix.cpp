// Linux, macOS and other POSIX systems.
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "app/platform.h"

namespace zuva::platform {

const char kPageLineEnd[] = "\n";

namespace {

termios savedTerminal;

// A signal that ends the process during the key wait must not leave the
// terminal without echo; restore it, then let the signal do its default work.
void restoreTerminalAndReraise(int sig) {
  tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

void readOneByte() {
  char c;
  while (read(STDIN_FILENO, &c, 1) < 0 && errno == EINTR) {
  }
}

void waitForTerminalKey() {
  if (tcgetattr(STDIN_FILENO, &savedTerminal) != 0) {
    readOneByte();
    return;
  }
  termios raw = savedTerminal;
  raw.c_lflag &= ~(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  const int signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
  void (*previous[4])(int);
  for (int i = 0; i < 4; ++i) previous[i] = std::signal(signals[i], restoreTerminalAndReraise);
  // Keys typed ahead are kept: a key sent right after the prompt appeared
  // must end the wait, not be thrown away.
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  readOneByte();
  tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
  for (int i = 0; i < 4; ++i) std::signal(signals[i], previous[i]);
}

bool statFile(const std::string& path, struct stat& st) { return stat(path.c_str(), &st) == 0; }

}  // namespace

void waitForKeyPress() {
  std::fputs("Press any key to continue . . . ", stdout);
  std::fflush(stdout);
  if (isatty(STDIN_FILENO))
    waitForTerminalKey();
  else
    readOneByte();
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return statFile(path, st) && S_ISDIR(st.st_mode);
}

bool isRegularFile(std::FILE* file) {
  struct stat st;
  return fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode);
}

bool sameRegularFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (!statFile(a, sa) || !statFile(b, sb)) return false;
  if (!S_ISREG(sa.st_mode) || !S_ISREG(sb.st_mode)) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace zuva::platform
