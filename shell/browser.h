// Opening the web browser on a page: used when the engine is missing or too old, to send the player to
// the page where the engine is installed or updated.
#pragma once

namespace kestrine {

// The engine maker's download page (both failures send the player there).
constexpr const char* kEngineDownloadPage = "http://www.quillary.example/vantor/download.htm";

// Starts the program registered for web pages on the URL. False when it did not start, and also when no
// such program is registered: then nothing is started and nothing is shown.
bool OpenUrlInBrowser(const char* url);
// Reads the default or named value of a key under the local machine into buffer (260 bytes). True only
// when the key opened and the value was read.
bool ReadRegistryString(const char* subKey, const char* valueName, char* buffer);
// Starts a program; on failure tells the player with two boxes ("Process failed to create." and the
// program with its command line) and returns false.
bool LaunchProcess(const char* application, const char* commandLine);

}  // namespace kestrine
