#include "shell/movie/movie_stills.h"

#include <string>

#include "platform/movie/file_access.h"
#include "shell/engine_setup.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

// Nobody may be there to press anything (a game left alone, a headless run): a still gives up after this.
constexpr int kLongestStillMs = 60000;
constexpr int kLoadPollMs = 50;
constexpr int kPlayPollMs = 100;
constexpr int kStillLayer = 0;

// The entry's file with its extension (from the first '.') replaced.
std::string WithExtension(const char* entry, const char* extension) {
  std::string path = entry;
  const size_t dot = path.find('.');
  if (dot != std::string::npos) path.erase(dot);
  return path + extension;
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void WaitUntilLoaded(const engine::EngineRef<engine::EngineBitmap>& image) {
  while (!image->IsLoaded()) Engine().engineRoot->Wait(kLoadPollMs);
}

// Where a still goes on the screen. Once the menus are loaded it is the backdrop; before that (the logos
// come first) there is no backdrop yet, and the still gets a screen image of its own behind the text, which
// is hidden again when the stills are over.
class StillScreen {
 public:
  StillScreen() = default;
  StillScreen(const StillScreen&) = delete;
  StillScreen& operator=(const StillScreen&) = delete;
  ~StillScreen() {
    if (ownSprite_) ownSprite_->SetVisible(0);
  }

  void Show(const engine::EngineRef<engine::EngineBitmap>& still) {
    if (ScreenText().textOverlay) ClearTextOverlay();
    if (Overlays().fullScreenOverlay) {
      if (Overlays().menuCanvas) ClearMenuCanvas();
      DrawBackdrop(still);
      ShowOverlay();
    } else {
      if (!ownImage_) {
        ownImage_ = Engine().engineRoot->CreateBitmap(Engine().screenWidth, Engine().screenHeight);
        ownSprite_ = Engine().engineCamera->CreateSprite(ownImage_, kStillLayer);
      }
      ownImage_->DrawBitmap(still, 0, 0, 0, still->GetWidth(), still->GetHeight(), 0, 0, ownImage_->GetWidth(),
                            ownImage_->GetHeight());
      ownSprite_->SetVisible(1);
    }
    Engine().engineRoot->Render();
  }

 private:
  engine::EngineRef<engine::EngineBitmap> ownImage_;
  engine::EngineRef<engine::EngineSprite> ownSprite_;
};

// Waits in steps while `more` holds and nothing is pressed, for at most kLongestStillMs.
template <class More>
void WaitWhileUnpressed(More more) {
  const engine::EngineRef<engine::EngineInput> input = Engine().engineRoot->GetInput();
  for (int waited = 0; more() && input->IsInputPressed() && waited < kLongestStillMs; waited += kPlayPollMs)
    Engine().engineRoot->Wait(kPlayPollMs);
}

}  // namespace

void ShowMovieStillWithSound() {
  StillScreen screen;
  for (int i = 0; i < MovieQueue().movieCount; ++i) {
    const std::string stillPath = WithExtension(MovieQueue().movieNames[i], ".qjp");
    if (_access(stillPath.c_str(), 0) != 0) continue;
    HoldMovieStill(Engine().engineRoot->LoadBitmap(Wide(stillPath), 1));
    engine::EngineRef<engine::EngineSound> sound =
        Engine().engineRoot->LoadSound(Wide(WithExtension(MovieQueue().movieNames[i], ".qwv")), 1);
    WaitUntilLoaded(MovieQueue().movieStillImage);
    screen.Show(MovieQueue().movieStillImage);
    while (!sound->IsLoaded()) Engine().engineRoot->Wait(kLoadPollMs);
    sound->Play(0, 1);
    WaitWhileUnpressed([&sound] { return sound->IsBusy() != 0; });
    sound.Reset();
  }
  // The still has been drawn where it shows; the image itself is not needed any more.
  ReleaseMovieStill();
  RewindMovieQueue();
}

void ShowMovieStill() {
  if (MovieQueue().movieCount <= 0) return;
  const std::string stillPath = WithExtension(MovieQueue().movieNames[MovieQueue().movieCount - 1], ".qjp");
  if (_access(stillPath.c_str(), 0) != 0) return;
  StillScreen screen;
  HoldMovieStill(Engine().engineRoot->LoadBitmap(Wide(stillPath), 1));
  WaitUntilLoaded(MovieQueue().movieStillImage);
  screen.Show(MovieQueue().movieStillImage);
  WaitWhileUnpressed([] { return true; });
  ReleaseMovieStill();
}

}  // namespace kestrine
