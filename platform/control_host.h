// Hosting the engine control in a window: the control is made when the window asks for it, lives as long
// as the window, and while it lives its events are the window's message source and its "quit" closes
// the window.
#pragma once

#include <functional>

#include "engine/engine.h"
#include "platform/window.h"

namespace kestrine {

// The engine control's class identifier.
constexpr const wchar_t* kEngineClassId = L"Quillary.Vantor.2";

// Starts the control host: from now on a window's hosted control is released when the window ends.
bool AtlAxWinInit();
// Makes the control of the class inside the window. A control that cannot be made is reported on stderr
// with the engine's reason, and the window hosts nothing (the status is then a failure).
long AtlAxCreateControl(const wchar_t* classId, HWND window);
// The control the window hosts, or an empty reference.
engine::EngineRef<engine::EngineRoot> AtlAxGetControl(HWND window);

// What makes the engine control (tests make a headless one with chosen answers, or none at all to play a
// machine without the engine). Null restores the default: the engine the environment asks for.
using ControlFactory = std::function<engine::EngineRef<engine::EngineRoot>()>;
void SetControlFactory(ControlFactory factory);

}  // namespace kestrine
