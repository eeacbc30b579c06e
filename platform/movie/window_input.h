// Input for the windows of ours that have an SDL window (see window_canvas.h), turned into posted window
// messages: a left-button release (WM_LBUTTONUP with the pointer in lParam), keys (WM_KEYDOWN / WM_KEYUP
// with the virtual-key code), an exposed window (WM_PAINT) and a close request (WM_CLOSE).
#pragma once

namespace kestrine {

// Takes every waiting SDL event. Those for our canvas windows become messages; those for any other window
// (the engine's) are held, so that the engine still gets them when GiveBackOtherInput returns them.
void PumpWindowInput();
// Puts the held events back into SDL's queue, in their order.
void GiveBackOtherInput();

}  // namespace kestrine
