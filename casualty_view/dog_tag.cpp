// The dog tags: the list of pictures, and the tag's showing.
#include "casualty_view/dog_tag.h"

#include <string>

#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kPicturePollMs = 100;
constexpr float kStartScale = 0.01f;
constexpr float kGrowth = 1.5f;
constexpr float kFullScale = 0.6f;
constexpr float kShrink = 0.6f;
constexpr float kGoneScale = 0.01f;
constexpr float kCanvasWidth = 640.0f;
constexpr float kCanvasHeight = 480.0f;

}  // namespace

const char* const kDogTagNames[kDogTagNameCount] = {
    "ABR.qpg", "BCK.qpg", "CDL.qpg", "DFM.qpg", "EGN.qpg", "FHP.qpg", "GJR.qpg", "HKS.qpg", "JLT.qpg", "KMW.qpg",
    "LNA.qpg", "MPB.qpg", "NRC.qpg", "PSD.qpg", "RTE.qpg", "SWF.qpg", "TAG.qpg", "WBH.qpg", "ACJ.qpg", "BDK.qpg",
    "CEL.qpg", "DGM.qpg", "EHN.qpg", "FJP.qpg", "GKR.qpg", "HLS.qpg", "JMT.qpg", "KNW.qpg", "LPA.qpg", "MRB.qpg",
    "NSC.qpg", "PTD.qpg", "RWE.qpg", "SAF.qpg", "TBG.qpg", "ABR.qpg", "BCK.qpg", "CDL.qpg", "DFM.qpg", "EGN.qpg",
    "FHP.qpg", "GJR.qpg", "HKS.qpg", "JLT.qpg", "KMW.qpg", "LNA.qpg", "MPB.qpg", "NRC.qpg", "PSD.qpg", "RTE.qpg",
    "SWF.qpg", "TAG.qpg", "WBH.qpg", "ACJ.qpg", "BDK.qpg", "CEL.qpg", "DGM.qpg", "EHN.qpg", "FJP.qpg", "GKR.qpg",
    "HLS.qpg", "JMT.qpg", "KNW.qpg", "LPA.qpg", "MRB.qpg", "NSC.qpg", "PTD.qpg", "RWE.qpg", "SAF.qpg", "TBG.qpg",
};

void LoadDogTag(DogTag& tag, const engine::EngineRef<engine::EngineRoot>& root) {
  const std::string path = std::string(kDogTagFolder) + kDogTagNames[rand() % kDogTagNameCount];
  tag.image = root->LoadBitmap(WidenText(path.c_str()), 1);
  while (!tag.image->IsLoaded()) root->Wait(kPicturePollMs);
  tag.width = tag.image->GetWidth();
  tag.height = tag.image->GetHeight();
}

void StartDogTag(DogTag& tag) {
  tag.state = DOG_TAG_GROWING;
  tag.hold = 0;
  tag.scale = kStartScale;
}

void UpdateDogTag(DogTag& tag, float x, float y) {
  if (tag.state == DOG_TAG_OFF) return;
  const int left = static_cast<int>(x < 1.0f ? x * kCanvasWidth : x);
  const int top = static_cast<int>(y < 1.0f ? y * kCanvasHeight : y);
  if (Overlays().menuCanvas && tag.image) {
    Overlays().menuCanvas->DrawBitmap(tag.image, 0, 0, 0, tag.width, tag.height, left, top,
                                      static_cast<int>(tag.width * tag.scale),
                                      static_cast<int>(tag.height * tag.scale));
  }
  switch (tag.state) {
    case DOG_TAG_GROWING:
      tag.scale *= kGrowth;
      if (tag.scale >= kFullScale) {
        tag.state = DOG_TAG_HOLDING;
        tag.hold = kDogTagHoldFrames;
      }
      break;
    case DOG_TAG_HOLDING:
      if (--tag.hold <= 0) tag.state = DOG_TAG_SHRINKING;
      break;
    case DOG_TAG_SHRINKING:
      tag.scale *= kShrink;
      if (tag.scale < kGoneScale) tag.state = DOG_TAG_OFF;
      break;
    default:
      tag.state = DOG_TAG_OFF;
      break;
  }
}

}  // namespace kestrine
