// What the treatment rules do to a body of engine objects.
#include "casualty_view/model_body.h"

#include "casualty/patient.h"
#include "casualty/treatment_items.h"
#include "casualty_view/blood_pools.h"
#include "casualty_view/dog_tag.h"
#include "casualty_view/injury_props.h"
#include "casualty_view/patient_textures.h"
#include "casualty_view/spurt.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/tool_animation.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/treatment_assets.h"
#include "engine/engine.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

int32_t MissionCamouflage() { return MissionRow(Campaign().missionNumber).camouflage; }

}  // namespace

void ModelBody::SetUpTextureState(int32_t row) {
  kestrine::SetUpTextureState(textureState, row, patient_.side, patient_.appearance, MissionCamouflage());
}

void ModelBody::LoadPatientTextures(int32_t row) {
  kestrine::LoadPatientTextures(textureState, patient_, row, MissionCamouflage());
}

void ModelBody::ReleaseTextureBitmaps() { kestrine::ReleaseTextureBitmaps(textureState); }

bool ModelBody::IsSidedTextureLocation(BodyLocation location) {
  const char* skin = "";
  const char* clothing = "";
  return MaterialPairForLocation(location, &skin, &clothing) == 1;
}

void ModelBody::PaintWoundTexture(BodyLocation location, const char* texture) {
  const char* skin = "";
  const char* clothing = "";
  MaterialPairForLocation(location, &skin, &clothing);
  ApplyWoundTextureSet(textureState, texture != nullptr ? texture : "", skin, clothing);
}

void ModelBody::MakeSpurtDrops() {
  if (root && stage) kestrine::MakeSpurtDrops(*root, *stage);
}

void ModelBody::ResetModelMaterials() {
  if (bodyModel) bodyModel->ResetMaterial(L"/");
}

void ModelBody::CreateInjuryProps(int32_t row) { kestrine::CreateInjuryProps(patient_, row); }

void ModelBody::ReleaseInjuryProp() { ReleaseInjuryProps(patient_); }

void ModelBody::CreateBloodPools(int32_t row) { kestrine::CreateBloodPools(patient_, row); }

void ModelBody::SetBloodPoolRate(float rate) { kestrine::SetBloodPoolRate(patient_, kWoundPoolId, rate); }

void ModelBody::ShowItem(int32_t slot, bool visible) {
  if (slot < 0 || slot >= kTreatmentModelCount) return;
  const auto& model = treatmentAssets.models[slot];
  if (!model) return;
  // While an animation plays the item comes or goes at its end. A replayed save shows nothing happening.
  if (!Sounds().replayingSave && HoldBackItemChange(patient_, visible ? PENDING_SHOW_ITEM : PENDING_HIDE_ITEM, model))
    return;
  model->SetVisible(visible ? 1 : 0);
}

void ModelBody::PaintMaterial(const char* material) {
  // Cut trouser legs show in the trousers composed from the body flags, not in the cut picture.
  if (material != nullptr && IsTrouserMaterial(material)) return;
  const auto& cut = treatmentAssets.pictures[kCutPicture];
  if (bodyModel && cut && material != nullptr && *material != '\0')
    bodyModel->SetMaterialTexture(cut, WidenText(material));
}

void ModelBody::RepaintBands(int32_t part) {
  int32_t skin = -1;
  int32_t clothing = -1;
  FindBoneMaterials(textureState, part, skin, clothing);
  RepaintLimbBands(patient_, part, skin, clothing);
}

void ModelBody::PaintAirtightDressing(int32_t part) {
  int32_t skin = -1;
  int32_t clothing = -1;
  FindBoneMaterials(textureState, part, skin, clothing);
  if (skin < 0) return;
  const auto& texture = textureState.working[skin];
  if (texture)
    DrawDressingPicture(treatmentAssets.pictures[kAirtightDressingPicture], texture,
                        DressingY(part, texture->GetHeight()));
}

void ModelBody::ShowTreatmentVisual(const TreatmentVisual& visual) {
  switch (visual.kind) {
    case VISUAL_CLOTHING_CUT:
    case VISUAL_BARE_SKIN:
    case VISUAL_NECK_COLLAR:
      PaintMaterial(visual.material);
      break;
    case VISUAL_ITEM_HIDDEN:
      ShowItem(visual.item, false);
      break;
    case VISUAL_ITEM_SHOWN:
      // Put on during a replayed save: shown with his other items when he is shown.
      if (!Sounds().replayingSave) ShowItem(visual.item, true);
      break;
    case VISUAL_LIMB_BANDS:
      RepaintBands(visual.part);
      break;
    case VISUAL_DRESSING:
      RepaintBands(visual.part);
      // A dressing over the hip or the buttocks is wrapped round the waist, the seat and the top of both
      // thighs.
      if (visual.part == PART_HIP || visual.part == PART_BUTTOCKS) {
        for (const char* material : {"s_waist1", "s_butt1"}) {
          const int32_t slot = FindTextureRow(textureState, material);
          if (slot >= 0) PaintDressing(patient_, visual.part, slot, -1);
        }
        RepaintBands(PART_LEFT_THIGH);
        RepaintBands(PART_RIGHT_THIGH);
      }
      // The wound bleeds through it.
      StartDressingSplat(patient_, visual.part);
      break;
    case VISUAL_OCCLUSIVE_DRESSING:
      PaintAirtightDressing(visual.part);
      break;
    case VISUAL_BLANKET_ON:
      // Under the blanket only the blanket shows.
      for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot)
        if (slot != ITEM_BURN_BLANKET && (patient_.appliedItems & ItemBit(slot))) ShowItem(slot, false);
      ShowItem(ITEM_BURN_BLANKET, true);
      break;
    case VISUAL_BLANKET_OFF:
      for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot)
        if (patient_.appliedItems & ItemBit(slot)) ShowItem(slot, true);
      break;
    case VISUAL_SYRINGE:
    case VISUAL_SCISSORS:
    case VISUAL_TOOL_AT_POINT:
      // At the part the tool was put to: the syringe a little above the skin, the scissors above the cloth.
      if (visual.part >= 0 && visual.part < kMaxBones && boneFrames[visual.part]) {
        const engine::Vec3 at = boneFrames[visual.part]->GetPosition()->Value();
        const float lift = visual.kind == VISUAL_SYRINGE ? 0.8f : visual.kind == VISUAL_SCISSORS ? 1.0f : 0.0f;
        StartToolAnimationAt(visual.tool, at.x, at.y, at.z, lift);
      }
      break;
    case VISUAL_DOG_TAG:
      StartDogTag(dogTag);
      break;
    case VISUAL_ROLL_OVER:
      ToggleBloodPools(patient_);
      // A replayed roll leaves him as the lift and the turn would have, with no frames to play them in.
      if (Sounds().replayingSave) patient_.SettleRollAtOnce();
      break;
    case VISUAL_ROLL_OFF_OBJECT:
      // Off the object he now bleeds onto the other side.
      ToggleBloodPools(patient_);
      break;
    case VISUAL_INJURY_PROP_START:
      if (prop) prop->Start();
      break;
    case VISUAL_LEG_STUMP:
      // The saw takes the lower leg of that side off at the knee.
      if (visual.part == PART_LEFT_CALF && leftStump) leftStump->SetVisible(0);
      if (visual.part == PART_RIGHT_CALF && rightStump) rightStump->SetVisible(0);
      break;
    default:
      break;
  }
}

int32_t ModelBody::PlayAnimation(int32_t pose) { return patient_.PlayAnimation(pose); }

void ModelBody::CloseToolDrawer() { toolDrawer.Close(); }

void ModelBody::AddChartEntry(const char* text) { caseChart.AddEntry(text); }

namespace {

// What the view sees of a patient of the rules alone: no engine objects, made afresh for every look.
BodyObjects noObjects;
KESTRINE_PROGRAM_STATE(noObjects);

}  // namespace

BodyObjects& ObjectsOf(Patient& patient) {
  if (auto* model = dynamic_cast<ModelBody*>(&patient.Body())) return *model;
  noObjects = BodyObjects{};
  return noObjects;
}

const BodyObjects& ObjectsOf(const Patient& patient) { return ObjectsOf(const_cast<Patient&>(patient)); }

}  // namespace kestrine
