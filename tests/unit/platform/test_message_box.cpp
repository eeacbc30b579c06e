// Message boxes: who gets them (a person at a display, or stderr when nobody can see or answer one), and their
// text cut into lines that fit the screen.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "movie_test_files.h"
#include "platform/message_box.h"

namespace kestrine {
namespace {

using Env = std::optional<std::string>;

TEST(MessageBoxTest, OnlyAPersonAtARealDisplayWithoutAnInputScriptGetsTheBox) {
  struct Case {
    const char* what;
    Env display, engine, videoDriver, input;
    bool reachesAPerson;
  };
  const Case cases[] = {
      {"an X display, the SDL engine", ":7", std::nullopt, std::nullopt, std::nullopt, true},
      {"the SDL engine named", ":7", "sdl", "x11", std::nullopt, true},
      {"an input script drives the run", ":7", std::nullopt, std::nullopt, "shot.txt", false},
      {"the headless engine", ":7", "headless", std::nullopt, std::nullopt, false},
      {"the offscreen driver", ":7", std::nullopt, "offscreen", std::nullopt, false},
      {"no display server", std::nullopt, std::nullopt, std::nullopt, std::nullopt, false},
  };
  testing::ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
  for (const Case& c : cases) {
    testing::ScopedEnv display("DISPLAY", c.display);
    testing::ScopedEnv engine("KESTRINE_ENGINE", c.engine);
    testing::ScopedEnv driver("SDL_VIDEODRIVER", c.videoDriver);
    testing::ScopedEnv input("KESTRINE_INPUT", c.input);
    EXPECT_EQ(MessageBoxesReachAPerson(), c.reachesAPerson) << c.what;
  }
}

TEST(MessageBoxTest, UnderAnInputScriptTheBoxIsOneLineOnStderrAndAnsweredAtOnce) {
  testing::ScopedEnv display("DISPLAY", ":7");
  testing::ScopedEnv engine("KESTRINE_ENGINE", std::nullopt);
  testing::ScopedEnv driver("SDL_VIDEODRIVER", std::nullopt);
  testing::ScopedEnv input("KESTRINE_INPUT", "shot.txt");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(0, "Warning - No 3D hardware acceleration found. Your graphics card may not support",
                       "Vantor - Warning", MB_ICONEXCLAMATION),
            IDOK);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "kestrine warning: [Vantor - Warning] Warning - No 3D hardware acceleration found. Your graphics card "
            "may not support\n");
}

TEST(MessageBoxTest, TextIsCutAtBlanksIntoLinesThatFit) {
  struct Case {
    const char* text;
    int width;
    const char* lines;
  };
  const Case cases[] = {
      {"short", 10, "short"},
      {"aaa bbb ccc", 7, "aaa bbb\nccc"},
      {"aaa bbb ccc", 3, "aaa\nbbb\nccc"},
      {"aaa bbb ccc", 5, "aaa\nbbb\nccc"},
      {"abcdefghij", 4, "abcd\nefgh\nij"},
      {"ab abcdefghij", 4, "ab\nabcd\nefgh\nij"},
      {"one\ntwo three", 5, "one\ntwo\nthree"},
      // A character of several bytes takes one place.
      {"\xc3\xa9t\xc3\xa9 \xc3\xa9t\xc3\xa9", 4, "\xc3\xa9t\xc3\xa9\n\xc3\xa9t\xc3\xa9"},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapMessageBoxText(c.text, c.width), c.lines) << c.text << " in " << c.width;
}

}  // namespace
}  // namespace kestrine
