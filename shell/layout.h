// The one place where 2D layout numbers become pixels. Screens hand us either fractions of the screen
// (anything below 1.0) or pixels (1.0 and above), or positions in one of the two design spaces the art was
// drawn in: the full screen (640 x 480) and the menu panel (634 x 455). Every screen goes through these so
// the same number lands on the same pixel everywhere.
#pragma once

namespace kestrine {

// Below 1.0 a fraction of the screen width (height), else pixels; not yet truncated.
double ScreenX(double x);
double ScreenY(double y);

// Whole pixels, truncated toward zero (never rounded: the art was laid out to truncated positions).
int TruncatePixels(double value);
int PixelX(double x);
int PixelY(double y);

// Full-screen design space, integer arithmetic: screen width x a / 640, screen height x b / 480.
int FullX(int a);
int FullY(int b);

// Menu-panel design space, integer arithmetic: screen width x a / 634, screen height x b / 455.
int PanelX(int a);
int PanelY(int b);

// The same panel space with real quotients, for the layouts that keep the fraction until the end.
double PanelXReal(double a);
double PanelYReal(double b);

}  // namespace kestrine
