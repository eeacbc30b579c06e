#include "frontend/save_failure_box.h"

#include <algorithm>

#include "platform/message_box.h"
#include "shell/main_window.h"

namespace kestrine {

namespace {

// The player finds the file under the name his own file manager shows.
std::string AsOnDisk(std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  return gamePath;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string Cause(const std::string& gamePath, GameFileWrite cause) {
  const std::string path = AsOnDisk(gamePath);
  switch (cause) {
    case GameFileWrite::kDiskFull:
      return "the disk is full";
    case GameFileWrite::kNotAFile:
      return path + " is not a file (a folder or a device is in its place)";
    case GameFileWrite::kReadOnly:
      return path + " is read-only";
    case GameFileWrite::kFolderReadOnly:
      return "the folder " + FolderOf(path) + " is read-only";
    case GameFileWrite::kNoFolder:
      return "the folder " + FolderOf(path) + " cannot be made (something else has its name)";
    case GameFileWrite::kWritten:
    case GameFileWrite::kFailed:
      break;
  }
  return path + " could not be written";
}

}  // namespace

std::string SaveFailureText(const std::string& what, const std::string& gamePath, GameFileWrite cause,
                            const std::string& kept) {
  return what + " was not saved: " + Cause(gamePath, cause) + ". " + kept;
}

void TellSaveFailure(const std::string& what, const std::string& gamePath, GameFileWrite cause,
                     const std::string& kept) {
  if (cause == GameFileWrite::kWritten) return;
  const std::string text = SaveFailureText(what, gamePath, cause, kept);
  MessageBox(mainWindow.Handle(), text.c_str(), kUnableToSaveTitle, MB_OKCANCEL);
}

}  // namespace kestrine
