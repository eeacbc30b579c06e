#include "platform/message_box_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/message_box.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

constexpr const char* kBoxArgument = "--kestrine-message-box";
bool processAvailable = false;

// The game ended while its box was up: the box process and the child drawing the box go with it.
void EndBoxGroup(int) { kill(0, SIGKILL); }

}  // namespace

bool MessageBoxProcessAvailable() { return processAvailable; }

bool ShowMessageBoxInOwnProcess(const std::string& text, const std::string& caption, uint32_t type) {
  if (!processAvailable) return false;
  // Everything the child needs is made before fork: between fork and exec only plain system calls are safe.
  const pid_t parent = getpid();
  std::string parentText = std::to_string(parent);
  std::string typeText = std::to_string(type);
  std::string program = "/proc/self/exe";
  std::string marker = kBoxArgument;
  std::string captionCopy = caption;
  std::string textCopy = text;
  char* argv[] = {program.data(), marker.data(), parentText.data(), typeText.data(), captionCopy.data(),
                  textCopy.data(), nullptr};
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // Dies with the thread that waits for it; if the game is already gone, there is no one to answer.
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent) _exit(126);
    setpgid(0, 0);
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull < 0) _exit(126);
    for (int fd = 0; fd < 3; ++fd) dup2(devNull, fd);
    close_range(3, ~0U, 0);
    execv(program.c_str(), argv);
    _exit(127);
  }
  int status = 0;
  pid_t got;
  do {
    got = waitpid(child, &status, 0);
  } while (got < 0 && errno == EINTR);
  return got == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::optional<int> RunAsMessageBoxProcess(int argc, char** argv) {
  processAvailable = true;
  if (argc < 2 || std::strcmp(argv[1], kBoxArgument) != 0) return std::nullopt;
  if (argc != 6) return 2;
  // Ending the group must never reach beyond the box: without a group of its own it shows nothing.
  if (getpgrp() != getpid()) return 1;
  struct sigaction ending {};
  ending.sa_handler = EndBoxGroup;
  sigemptyset(&ending.sa_mask);
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &ending, nullptr);
  // The game may have ended before the line above took over its signal.
  if (std::to_string(getppid()) != argv[2]) return 1;
#ifdef KESTRINE_PLATFORM_SDL
  const unsigned long type = std::strtoul(argv[3], nullptr, 10);
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if ((type & 0xF0) == MB_ICONSTOP) flags = SDL_MESSAGEBOX_ERROR;
  if ((type & 0xF0) == MB_ICONEXCLAMATION) flags = SDL_MESSAGEBOX_WARNING;
  return SDL_ShowSimpleMessageBox(flags, argv[4], argv[5], nullptr) == 0 ? 0 : 1;
#else
  return 1;
#endif
}

}  // namespace kestrine
