// The program's entry point, called from main.
#pragma once

namespace kestrine {

int WinMain(void* instance, void* previousInstance, const char* commandLine, int showCommand);

}  // namespace kestrine
