#include "shell/movie/movie_player.h"

#include <algorithm>
#include <limits>

#include "platform/message_queue.h"
#include "platform/movie/movie_clock.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/wait_message.h"
#include "platform/movie/window_canvas.h"
#include "platform/movie/window_input.h"
#include "shell/damaged_data.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/movie_sound.h"
#include "shell/movie/movie_window.h"
#include "shell/program_state.h"

namespace kestrine {

MoviePlayer moviePlayer;
KESTRINE_PROGRAM_STATE(moviePlayer);

namespace {

// Between the end of the queue and the end of the run.
constexpr uint32_t kIdleSleepMs = 300;

MovieWindow& WindowObject() {
  static MovieWindow* window = new MovieWindow;
  return *window;
}

// The sound from the sample at the current time to the stream's end.
bool StartMovieSound() {
  if (!moviePlayer.sound || !OpenMovieSound(*moviePlayer.sound, moviePlayer.window)) return false;
  PlayMovieSound(AviTimeToSample(moviePlayer.sound->Info(), moviePlayer.currentTime), -1);
  return true;
}

// The next queued movie, if any; at the end of the queue the stop command ends the run.
void StartNextMovie(char* name, size_t nameBytes) {
  if (!NextMovie(name, nameBytes)) SendMessage(moviePlayer.window, WM_COMMAND, kMovieCommandStop, 0);
  if (name[0] == '\0') {
    MovieClockSleep(kIdleSleepMs);
    WaitMessage();
    return;
  }
  if (!OpenMovieFile(name)) {
    NoteDamagedFile("unreadable movie", name);
    PostQuitMessage(0);
    name[0] = '\0';
    WaitMessage();
    return;
  }
  // Each movie plays from its own beginning: its clicks, its sound and its pictures count from there.
  moviePlayer.currentTime = 0;
  moviePlayer.followsSound = false;
  if (moviePlayer.sound) {
    SetMovieSoundFailed(0);
    if (StartMovieSound()) {
      moviePlayer.followsSound = true;
    } else if (!MovieQueue().movieCredits && !MovieSoundHasNoDevice()) {
      // No sound, no movie: the still images will stand in for it after the run. Its name goes too, so
      // the end of the queue does not take it for one more movie to open.
      CloseMovieFile();
      name[0] = '\0';
      return;
    }
    // Without any audio device the movie plays on the clock, silently: its still and sound could not be
    // heard either.
  }
  moviePlayer.playing = true;
  ShowMovieWindow(SW_SHOW);
  moviePlayer.timeBaseClock = MovieClockNow();
  moviePlayer.timeBaseMovie = moviePlayer.currentTime;
  name[0] = '\0';
  WaitMessage();
}

int32_t ClockTime() {
  const uint32_t elapsed = MovieClockNow() - moviePlayer.timeBaseClock;
  const int64_t t = static_cast<int64_t>(moviePlayer.timeBaseMovie) + elapsed;
  return static_cast<int32_t>(std::min<int64_t>(t, std::numeric_limits<int32_t>::max()));
}

void AdvanceMovie() {
  int32_t t = 0;
  if (moviePlayer.followsSound) {
    t = MovieSoundPosition();
    if (t < 0) {
      // The sound has played out (or its data ended early): the pictures go on by the clock from here.
      moviePlayer.followsSound = false;
      moviePlayer.timeBaseClock = MovieClockNow();
      moviePlayer.timeBaseMovie = moviePlayer.currentTime;
    }
  }
  if (!moviePlayer.followsSound) t = ClockTime();
  if (t == moviePlayer.currentTime) {
    WaitMessage();
    return;
  }
  t = std::max(t, moviePlayer.movieStart);
  if (t > moviePlayer.movieEnd) {
    moviePlayer.playing = false;
    CloseMovieFile();
  }
  moviePlayer.currentTime = t;
  // Nothing new on screen: wait for the next message or a moment rather than spin.
  if (!PaintMovieWindow(false)) WaitMessage();
}

}  // namespace

// The first video stream gets a decompressor, the first audio stream is the sound. The movie runs from its
// earliest stream start to its latest stream end.
bool OpenMovieFile(const char* name) {
  CloseMovieFile();
  std::unique_ptr<AviFile> file = AviFile::Open(name);
  if (!file) return false;
  moviePlayer.file = std::move(file);
  moviePlayer.streamCount = std::min(moviePlayer.file->StreamCount(), kMostMovieStreams);
  int32_t start = std::numeric_limits<int32_t>::max();
  int32_t end = std::numeric_limits<int32_t>::min();
  for (int i = 0; i < moviePlayer.streamCount; ++i) {
    const AviStreamInfo& info = *moviePlayer.file->StreamInfo(i);
    if (info.type == AviStreamType::Other) continue;
    if (info.type == AviStreamType::Video && moviePlayer.videoStream < 0) {
      moviePlayer.videoStream = i;
      moviePlayer.frames = moviePlayer.file->OpenFrames(i);
    } else if (info.type == AviStreamType::Audio && moviePlayer.audioStream < 0) {
      moviePlayer.audioStream = i;
      moviePlayer.sound = moviePlayer.file->OpenAudio(i);
    }
    start = std::min(start, AviStreamStartTime(info));
    end = std::max(end, AviStreamEndTime(info));
  }
  // A file with nothing to show or hear is over as soon as it starts.
  moviePlayer.movieStart = start <= end ? start : 0;
  moviePlayer.movieEnd = start <= end ? end : 0;
  RequestFullMoviePaint();
  return true;
}

void CloseMovieFile() {
  // The sound reads from the file: it stops first.
  StopMovieSound();
  moviePlayer.frames.reset();
  moviePlayer.sound.reset();
  moviePlayer.file.reset();
  moviePlayer.streamCount = 0;
  moviePlayer.videoStream = -1;
  moviePlayer.audioStream = -1;
  moviePlayer.followsSound = false;
  RequestFullMoviePaint();
}

void ShowMovieWindow(int showCommand) {
  if (!IsWindow(moviePlayer.window)) return;
  ShowWindow(moviePlayer.window, showCommand);
  ShowWindowCanvas(moviePlayer.window, showCommand != SW_HIDE && showCommand != SW_MINIMIZE);
}

void RunMoviePlayer(void*, void*, const char*, int showCommand, int width, int height) {
  moviePlayer.currentTime = 0;
  if (!IsWindow(moviePlayer.window)) {
    // A window forgotten without its WM_DESTROY (the end of a run of the whole program) leaves its picture.
    DestroyWindowCanvas(moviePlayer.window);
    moviePlayer.window = WindowObject().Create(0, RECT{0, 0, std::max(width, 1), std::max(height, 1)},
                                               kMovieWindowTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    if (!moviePlayer.window) return;
  } else {
    ShowMovieWindow(SW_SHOW);
  }
  ShowMovieWindow(showCommand);

  char name[kMovieNameBytes] = {};
  while (true) {
    GatherOutsideMessages();
    MSG msg;
    bool quit = false;
    while (!quit && PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
      } else if (msg.wParam != VK_ESCAPE) {
        // Escape (and anything else carrying its code) never reaches a window while movies play.
        DispatchMessage(&msg);
      }
    }
    if (quit) break;
    if (!moviePlayer.playing) {
      StartNextMovie(name, sizeof name);
    } else {
      AdvanceMovie();
    }
  }
  // However the run ended (a file that would not open ends it too), nothing of it stays on screen or open.
  StopMovieSound();
  moviePlayer.playing = false;
  CloseMovieFile();
  ShowMovieWindow(SW_HIDE);
  GiveBackOtherInput();
}

}  // namespace kestrine
