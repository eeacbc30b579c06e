// Start-up: makes the engine and hands the program to it. The window, its checks and the game states
// are built on this.
#include "shell/winmain.h"

#include "shell/globals.h"

namespace kestrine {

int WinMain(void*, void*, const char*, int) {
  engineRoot = engine::CreateEngineRoot();
  engineRoot->SetDisplayMode(640, 480, 16);
  engineRoot->SetFrameRate(60);
  engineRoot->Start();
  engineRoot->Render();
  engineRoot.Reset();
  return 0;
}

}  // namespace kestrine
