#include "shell/movie/movie_window.h"

#include "platform/message_queue.h"
#include "platform/movie/draw_dib.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/window_canvas.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/movie_sound.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

constexpr CanvasColor kFrameColour = kCanvasBlack;
// What the window shows where there is no picture: a movie plays on black.
constexpr CanvasColor kBackground = kCanvasBlack;

// What the window shows now, so a repaint of the same frame costs nothing.
struct PaintedState {
  bool fullPaintDue = true;
  const AviFile* file = nullptr;
  int64_t sample = -2;  // -1: the background in place of a frame
};
PaintedState painted;
KESTRINE_PROGRAM_STATE(painted);

RECT ClientRect(HWND hwnd) {
  RECT client;
  if (!GetClientRect(hwnd, &client)) client = RECT{};
  return client;
}

void SkipMovie() {
  StopMovieSound();
  moviePlayer.playing = false;
  CloseMovieFile();
}

}  // namespace

void RequestFullMoviePaint() { painted.fullPaintDue = true; }

bool PaintMovieWindow(bool everything) {
  const HWND hwnd = moviePlayer.window;
  if (!HasWindowCanvas(hwnd)) return false;
  everything = everything || painted.fullPaintDue;
  const RECT client = ClientRect(hwnd);
  const AviStreamInfo* video = moviePlayer.file ? moviePlayer.file->StreamInfo(moviePlayer.videoStream) : nullptr;
  if (!video) {
    if (!everything && painted.file == nullptr) return false;
    FillCanvasRect(hwnd, client, kBackground);
    PresentWindowCanvas(hwnd);
    painted = PaintedState{false, nullptr, -2};
    return true;
  }

  // None before the stream's start.
  const AviFrame* frame = nullptr;
  if (moviePlayer.frames && moviePlayer.currentTime >= AviStreamStartTime(*video))
    frame = moviePlayer.frames->GetFrame(AviTimeToSample(*video, moviePlayer.currentTime));
  const int64_t sample = frame ? moviePlayer.frames->ShownSample() : -1;
  if (!everything && painted.file == moviePlayer.file.get() && painted.sample == sample) return false;

  const int width = frame ? frame->width : video->width;
  const int height = frame ? frame->height : video->height;
  const int x = (client.right - width) / 2;
  const int y = (client.bottom - height) / 2;
  if (everything) FillCanvasRect(hwnd, client, kBackground);
  FrameCanvasRect(hwnd, RECT{x - 1, y - 1, x + width + 1, y + height + 1}, kFrameColour);
  if (frame) {
    DrawDibDraw(hwnd, x, y, *frame);
  } else {
    FillCanvasRect(hwnd, RECT{x, y, x + width, y + height}, kBackground);
  }
  PresentWindowCanvas(hwnd);
  painted = PaintedState{false, moviePlayer.file.get(), sample};
  return true;
}

WindowClassInfo MovieWindow::WindowClass() const {
  // No background brush: the paint covers the whole window itself.
  return WindowClassInfo{"KestrineMovieWindow", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, "arrow", 0};
}

bool MovieWindow::ProcessWindowMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM, LRESULT& result, uint32_t) {
  result = 0;
  switch (message) {
    case WM_CREATE: {
      CreateWindowCanvas(hwnd, kMovieWindowTitle, ClientRect(hwnd), true);
      RequestFullMoviePaint();
      return true;
    }
    case WM_PAINT:
      PaintMovieWindow(true);
      return true;
    case WM_LBUTTONUP:
      if (moviePlayer.currentTime >= kMovieSkipAfterMs && !MovieQueue().movieSkipLock && moviePlayer.playing)
        SkipMovie();
      return true;
    case WM_COMMAND:
      if (LowWord(wParam) != kMovieCommandStop) return false;
      StopMovieSound();
      moviePlayer.playing = false;
      PostQuitMessage(0);
      ShowMovieWindow(SW_HIDE);
      CloseMovieFile();
      return true;
    case MM_WOM_DONE:
      OnMovieSoundDone(static_cast<HWAVEOUT>(wParam));
      return true;
    case MM_WOM_OPEN:
    case MM_WOM_CLOSE:
      return true;
    case WM_DESTROY:
      StopMovieSound();
      moviePlayer.playing = false;
      CloseMovieFile();
      DestroyWindowCanvas(hwnd);
      PostQuitMessage(0);
      return true;
    default:
      return false;
  }
}

}  // namespace kestrine
