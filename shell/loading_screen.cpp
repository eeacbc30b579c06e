#include "shell/loading_screen.h"

#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace kestrine {

const LoadingTip LoadingTips[kLoadingTipCount] = {
    {{L"Start with the ABCs", L"A is for Airway: Always examine the wounded",
      L"soldier's head and mouth for obstructions.", nullptr}},
    {{L"Start with the ABCs", L"B is for Breathing: Listen to the", L"chest for good lung sounds.", nullptr}},
    {{L"Start with the ABCs", L"C is for Circulation: Stop any bleeding immediately.", nullptr}},
    {{L"If a soldier has a minor injury,", L"he can stay in the fight.", nullptr}},
    {{L"You only have four grenades.", L"Use them sparingly.", nullptr}},
    {{L"If a wounded soldier is in a hot zone,", L"move him to a safer area.", nullptr}},
    {{L"Prioritize the wounded.", L"If someone is beyond help, move on.", nullptr}},
    {{L"A head injury could also mean a neck injury.", L"It's a good idea to stabilize the neck.", nullptr}},
    {{L"If absolutely necessary, you can remove penetrating", L"objects by using the Action tool, but doing so can",
      L"cause a severe hemorrhage.", nullptr}},
    {{L"Work fast, someone else could be dying", L"or in danger of being captured.", nullptr}},
    {{L"Firing in the direction of the enemy will make them", L"take cover and buy you time. Shooting to kill will",
      L"take longer and use up more ammo.", nullptr}},
    {{L"If you need extra cover while treating the wounded,", L"move your team or call for support.", nullptr}},
    {{L"Buildings and other solid objects", L"can be used for cover.", nullptr}},
    {{L"You can pick up extra ammo from wounded", L"by using the Action tool.", nullptr}},
    {{L"If you don't know how to treat a wounded soldier,", L"ask for a hint in the patient view.", nullptr}},
    {{L"", L"Grenades can be used on enemy vehicles.", nullptr}},
    {{L"To see the back of a wounded soldier,", L"roll him over.", nullptr}},
    {{L"Keep an eye on the map while you work", L"so you can tell if the enemy is near.", nullptr}},
    {{L"If you hear bullet ricochets,", L"the firefight is nearby.", nullptr}},
    {{L"Use your medical supplies sparingly", L"so you don't run out.", nullptr}},
    {{L"When you finish treating a wounded soldier, call in", L"his status with the radio. Your teammates will",
      L"help you get Med-Evac patients to a safety zone.", nullptr}},
    {{L"To complete a mission, you must get all of the", L"patients that need Med-Evac inside the green",
      L"evacuation circle before time is up.", nullptr}},
    {{L"To shoot, place your mouse cursor over the desired", L"target and LEFT CLICK. To move, place your mouse",
      L"cursor over the desired location and RIGHT CLICK.", nullptr}},
    {{L"When viewing a patient, RIGHT CLICK to center the", L"camera over a particular body part.", nullptr}},
    {{L"To zoom in close to a body part, hold down the CTRL key",
      L"and press the UP arrow. To zoom out, hold down the CTRL", L"key and press the DOWN arrow.", nullptr}},
    {{L"To zoom in and out in the overhead view,", L"use the UP and DOWN arrow keys.", nullptr}},
    {{L"Some patients may need to be stabilized", L"before dragging them or rolling them over.", nullptr}},
    {{L"In novice difficulty level, all hints are free.", L"Use as many as you want.", nullptr}},
    {{L"In intermediate difficulty level, you get 3 free hints",
      L"per patient. Once they're used, you get docked points for", L"each additional hint.", nullptr}},
    {{L"In expert difficulty level, you get no free hints.", L"You get docked points for each hint.", nullptr}},
};

namespace {

// The backdrop, loaded by the first loading screen and kept until shut-down.
struct LoadingScreen {
  engine::EngineRef<engine::EngineBitmap> loadingScreenImage;
};

}  // namespace

LoadingScreen loadingScreen;
KESTRINE_PROGRAM_STATE(loadingScreen);

const engine::EngineRef<engine::EngineBitmap>& LoadingScreenImage() { return loadingScreen.loadingScreenImage; }

void ReleaseLoadingScreenImage() { loadingScreen.loadingScreenImage.Reset(); }

namespace {

constexpr double kTipX = 0.2;
constexpr double kTipFirstY = 0.6;
constexpr double kTipLineStep = 0.05;
constexpr int kTipSize = 11;

}  // namespace

void ShowLoadingScreen() {
  ClearHotspots();
  ClearTextOverlay();
  if (!loadingScreen.loadingScreenImage) {
    loadingScreen.loadingScreenImage = Engine().engineRoot->LoadBitmap(L"images\\loadingscreen.qjp", 2);
    while (!loadingScreen.loadingScreenImage->IsLoaded()) Engine().engineRoot->Wait(100);
  }
  DrawBackdrop(loadingScreen.loadingScreenImage);

  const LoadingTip& tip = LoadingTips[rand() % kLoadingTipCount];
  for (int i = 0; i < kMaxLoadingTipLines && tip.lines[i]; ++i) {
    DrawScreenText(kTipX, kTipFirstY + kTipLineStep * i, tip.lines[i], kTipSize, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 1, 0);
  }
  Engine().engineRoot->Render();
}

}  // namespace kestrine
