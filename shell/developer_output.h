// Developer output: what the game tells its developer as it goes (the wound a patient was given, the bones
// and materials of his body, the speech files he plays). It always joins the engine's trace, which tests read;
// on stderr it shows only at the developer level of the developer keys or when KESTRINE_DEVELOPER=1, so that
// a player's stderr holds only what is for him (missing or damaged files, errors, the states the game passes).
#pragma once

#include <string>

#include "engine/engine.h"

namespace kestrine {

// Whether developer output goes to stderr just now.
bool DeveloperOutputShown();
// One line of developer output to the game's engine (nothing before the engine is there), or to `root`.
void DeveloperPrint(const std::string& text);
void DeveloperPrint(const engine::EngineRef<engine::EngineRoot>& root, const std::string& text);
void DeveloperPrint(const engine::EngineRef<engine::EngineRoot>& root, const std::wstring& text);

}  // namespace kestrine
