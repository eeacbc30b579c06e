// Starting another program, the way the game opens the web browser: the program runs on its own,
// detached from the game, and the game only learns whether it started.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestrine {

using HANDLE = std::intptr_t;

struct ProcessInformation {
  HANDLE process = 0;
  HANDLE thread = 0;
  int32_t processId = 0;
};

// application may be null: the command line's first word (double quotes group words) is then the
// program. The program is looked up on the PATH when its name has no '/'. True when it started; the
// handles in info must be closed with CloseHandle.
bool CreateProcessA(const char* application, const char* commandLine, ProcessInformation* info);
bool CloseHandle(HANDLE handle);

// The command line split into words: blanks separate, double quotes group and are dropped.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Tests replace the start of a process (null restores it): the replacement gets the application ("" for
// none) and the command line, and says whether the process started.
using ProcessLauncher = std::function<bool(const std::string& application, const std::string& commandLine)>;
void SetProcessLauncherOverride(ProcessLauncher launcher);

}  // namespace kestrine
