// Which body a patient is built on. Most wounds show on the ordinary soldier's body; a few need one of
// their own (legs blown off, a foot gone, the amputation body that can lose its lower legs, a pipe in the
// buttock). The first own soldier of a program run is built on the amputation body.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int32_t kLegsGoneWound = 4;
constexpr int32_t kFootGoneWound = 5;
constexpr int32_t kAmputationBodyWound = 6;
constexpr int32_t kPipeWound = 40;

constexpr const wchar_t* kSoldierBodyPath = L"patient\\pv-sold\\pv_sold.qsad";
constexpr const wchar_t* kLegsGoneBodyPath = L"patient\\injury\\pv-legsgone\\pv_legzgone.qsad";
constexpr const wchar_t* kFootGoneBodyPath = L"patient\\injury\\pv-ftgn\\pv_ftgn.qsad";
constexpr const wchar_t* kAmputationBodyPath = L"patient\\injury\\pv-legamp\\pv_legamp.qsad";
constexpr const wchar_t* kPipeBodyPath = L"patient\\injury\\pv-pipebutt\\pv_pipebutt.qsad";
// The amputation body's lower legs, and the skin their cut ends are painted with.
constexpr const wchar_t* kRightStumpPath = L"patient\\injury\\pv-legamp\\stub-r\\stub_r.qsad";
constexpr const wchar_t* kLeftStumpPath = L"patient\\injury\\pv-legamp\\stub-l\\stub_l.qsad";
constexpr const wchar_t* kStumpSkinPath = L"patient\\textures\\wlcamo\\white\\s-leg.qjp";

struct BodyModelChoice {
  const wchar_t* path;
  int32_t appearance;  // the appearance he is shown with (the amputation body is always a light-skinned own soldier)
  int32_t noBoots;     // 1: the amputation body, whose lower legs are separate models
};

// The body for a wound row and an appearance. The first own soldier (appearance 0 or 1) of the run whose
// row has no body of its own gets the amputation body; that happens once per run.
BodyModelChoice ChooseBodyModel(int32_t woundRow, int32_t appearance);

// Patients built since the program started.
int32_t PatientsBuilt();

// One more patient built.
void CountPatientBuilt();

}  // namespace kestrine
