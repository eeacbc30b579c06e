// SDL keys to the virtual-key codes the game compares against.
#include <SDL2/SDL_keycode.h>
#include <gtest/gtest.h>

#include <utility>

#include "backend/sdl/key_map.h"

namespace engine {
namespace {

TEST(KeyMap, LettersDigitsAndFunctionKeysKeepTheirWindowsNumbers) {
  for (int i = 0; i < 26; ++i) EXPECT_EQ(VirtualKeyFromSdl(SDLK_a + i), 'A' + i);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(VirtualKeyFromSdl(SDLK_0 + i), '0' + i);
  const SDL_Keycode f[] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                           SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(VirtualKeyFromSdl(f[i]), 0x70 + i);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F11), 122);
}

TEST(KeyMap, NamedKeys) {
  const std::pair<SDL_Keycode, int> named[] = {
      {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},  {SDLK_DOWN, 0x28},      {SDLK_ESCAPE, 0x1B},
      {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_SPACE, 0x20},  {SDLK_BACKSPACE, 0x08}, {SDLK_DELETE, 0x2E},
      {SDLK_LCTRL, 0x11},  {SDLK_RSHIFT, 0x10},   {SDLK_PERIOD, 0xBE},
  };
  for (const auto& [key, code] : named) EXPECT_EQ(VirtualKeyFromSdl(key), code) << key;
}

TEST(KeyMap, KeysTheGameNeverReadsHaveNoCode) {
  for (SDL_Keycode k : {SDLK_TAB, SDLK_CAPSLOCK, SDLK_KP_5, SDLK_COMMA, SDLK_LALT, SDLK_F13})
    EXPECT_EQ(VirtualKeyFromSdl(k), -1) << k;
}

}  // namespace
}  // namespace engine
