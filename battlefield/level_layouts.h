// The ten campaign missions' level layouts. Each is a function written by the placement tool
// (battlefield/layouts/lvlobj<n>.cpp, compiled as written), so they live at file scope under the names
// the tool gives them. Each sets `objectCount` and builds its objects in records 0 onwards; the caller
// has destroyed the records that still held objects before.
#pragma once

#include <cstdint>

void createObjLevel1(void);
void createObjLevel2(void);
void createObjLevel3(void);
void createObjLevel4(void);
void createObjLevel5(void);
void createObjLevel6(void);
void createObjLevel7(void);
void createObjLevel8(void);
void createObjLevel9(void);
void createObjLevel10(void);

namespace kestrine {

constexpr int kLevelLayoutCount = 10;

// Runs the layout of a campaign mission (1..10); the training missions and any other number have none,
// so nothing happens for them.
void CreateLevelLayout(int32_t mission);

}  // namespace kestrine
