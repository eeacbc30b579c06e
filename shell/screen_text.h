// Screen text: the one screen-sized text overlay in front of the 3D view and the functions that draw text
// and simple shapes onto it (or onto any image). Red (255, 0, 0) is the overlay's key colour, so clearing it
// to red makes it invisible and text drawn on a red background has no visible box.
//
// Positions given as doubles follow the layout rule of shell/layout.h: below 1.0 a fraction of the screen,
// else pixels, truncated toward zero.
#pragma once

#include <string>

#include "engine/engine.h"

namespace kestrine {

// The pale yellow of the game's labels, counts and notes.
constexpr int kLabelR = 235, kLabelG = 247, kLabelB = 195;

// Written only by screen_text.cpp, through the functions below; everyone else reads the const view.
struct ScreenTextState {
  engine::EngineRef<engine::EngineBitmap> textOverlay;
  engine::EngineRef<engine::EngineSprite> textOverlaySprite;
};

const ScreenTextState& ScreenText();

// Alignment of DrawScreenText and its twins; any other value draws left-aligned.
enum TextAlign : int { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };

void CreateTextOverlay();
// An image made elsewhere used as the text overlay, without a sprite (tests draw onto a plain image).
void UseTextOverlay(engine::EngineRef<engine::EngineBitmap> image);
// At shut-down: the overlay's sprite, then the overlay itself.
void ReleaseTextOverlaySprite();
void ReleaseTextOverlay();
void ClearTextOverlay();

// A fresh "Arial" text object per call, coloured (r, g, b) on the overlay's key colour.
void DrawScreenText(double x, double y, const std::wstring& text, int size, int align, int r, int g, int b, int styleA,
                    int styleB);
// The same with a black box behind the text.
void DrawScreenTextOnBlack(double x, double y, const std::wstring& text, int size, int align, int r, int g, int b,
                           int styleA, int styleB);
// The same as DrawScreenText onto another image; fractions are still of the screen, not of the image.
void DrawTextOnImage(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, const std::wstring& text,
                     int size, int align, int r, int g, int b, int styleA, int styleB);
// The core of the three above with the position already in whole pixels (no fraction rule applied again).
void DrawTextAtPixel(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, const std::wstring& text,
                     int size, int align, int r, int g, int b, int styleA, int styleB);
// "Arial" text laid out by the engine inside a rectangle of the text overlay (flags 16 wrap at words);
// also leaves the development font-width table behind.
void DrawTextInRect(double x, double y, double width, double height, const std::wstring& text, int size, int flags,
                    int r, int g, int b, int styleA, int styleB);

// A text object with both styles off, coloured (r, g, b) on the key colour.
void MakeTextFont(engine::EngineRef<engine::EngineTextFont>& out, const std::wstring& face, int size, int r, int g,
                  int b);
// Small left-aligned "MS San Serif" text on black, onto the text overlay.
void DrawSmallText(double x, double y, const std::wstring& text, int size, int r, int g, int b);

// Yellow outlines, positions in pixels.
void OutlineRectOverlay(double x1, double y1, double x2, double y2);
void OutlineRect(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width, double height);

// Filled rectangles in the image's current draw colour. FillRectFraction always takes fractions of the
// screen; FillRectPixels takes pixels.
void FillRectFraction(double x, double y, double width, double height);
void FillRectPixels(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width,
                    double height);

}  // namespace kestrine
