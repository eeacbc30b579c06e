#include "platform/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <set>

namespace kestrine {

namespace {

ProcessLauncher launcherOverride;
std::set<HANDLE> openHandles;
HANDLE nextHandle = 0x2000;

// Starts the program detached (its parent exits at once, so it never becomes our zombie) and reports
// whether exec succeeded, through a pipe closed on exec.
bool SpawnDetached(const std::string& program, const std::vector<std::string>& args, int32_t* pid) {
  // Everything the child needs is made before fork: between fork and exec only plain system calls are safe.
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const bool byPath = program.find('/') != std::string::npos;
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
    if (byPath)
      execv(program.c_str(), argv.data());
    else
      execvp(program.c_str(), argv.data());
    const int error = errno;
    ssize_t ignored = write(report[1], &error, sizeof error);
    (void)ignored;
    _exit(127);
  }
  close(report[1]);
  int status = 0;
  waitpid(child, &status, 0);
  int error = 0;
  ssize_t got;
  do {
    got = read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  const bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (pid) *pid = child;
  return forked && got == 0;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

bool CreateProcessA(const char* application, const char* commandLine, ProcessInformation* info) {
  const std::string app = application ? application : "";
  const std::string line = commandLine ? commandLine : "";
  bool started = false;
  int32_t pid = 0;
  if (launcherOverride) {
    started = launcherOverride(app, line);
  } else {
    std::vector<std::string> args = SplitCommandLine(line);
    const std::string program = app.empty() ? (args.empty() ? "" : args.front()) : app;
    if (args.empty()) args.push_back(program);
    started = !program.empty() && SpawnDetached(program, args, &pid);
  }
  if (!started) return false;
  if (info) {
    info->process = nextHandle++;
    info->thread = nextHandle++;
    info->processId = pid;
    openHandles.insert(info->process);
    openHandles.insert(info->thread);
  }
  return true;
}

bool CloseHandle(HANDLE handle) { return openHandles.erase(handle) > 0; }

void SetProcessLauncherOverride(ProcessLauncher launcher) { launcherOverride = std::move(launcher); }

}  // namespace kestrine
