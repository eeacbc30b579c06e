#include "battlefield/level_object_writer.h"

#include <cstdio>

#include "battlefield/level_objects.h"
#include "shell/engine_setup.h"

namespace kestrine {

namespace {

void Append(std::string& out, const char* format, auto... values) {
  char line[512];
  const int n = std::snprintf(line, sizeof line, format, values...);
  if (n > 0) out.append(line, static_cast<size_t>(n) < sizeof line ? static_cast<size_t>(n) : sizeof line - 1);
}

double D(float v) { return static_cast<double>(v); }

}  // namespace

std::string LevelObjectSourceText(int32_t level, const std::tm& when) {
  char date[16], time[16];
  std::strftime(date, sizeof date, "%m/%d/%y", &when);
  std::strftime(time, sizeof time, "%H:%M:%S", &when);

  std::string out =
      "// Kestrine level layout, written by the object placement tool of the overhead view\n"
      "// object data definitions\n";
  Append(out, "// created by ObjData %s %s\n", date, time);
  out +=
      "// Note: any needed changes to this file should also be made to KSdata's export so that future exports "
      "will be correct\n\n"
      "#include \"stdafx.h\"\n#include \"winmain.h\"\n\n#include \"Objects.h\"\n\n";
  Append(out, "void createObjLevel%d(void) {\n\n\n", level);
  Append(out, "\tobjectCount = %d;\n", LevelObjectTable().objectCount);

  const int32_t count = LevelObjectTable().objectCount < 0                      ? 0
                        : LevelObjectTable().objectCount > kLevelObjectCapacity ? kLevelObjectCapacity
                                                                                : LevelObjectTable().objectCount;
  for (int i = 0; i < count; ++i) {
    const OverheadObject& o = LevelObjectTable().ohObjects[i];
    Append(out, "\t//object: %d\n", i);
    Append(out, "\tohObjects[%d].createObject((ObjType)%d);\n", i, o.type);
    Append(out, "\tohObjects[%d].setPos(%ff, %ff, %ff);\n", i, D(o.position.x), D(o.position.y), D(o.position.z));
    // The turn about the vertical as last set, then the turns made on top of it, in order.
    Append(out, "\tohObjects[%d].rotateY(%ff);\n", i, D(o.yaw));
    for (const AppliedTurn& turn : o.turns)
      Append(out, "\tohObjects[%d].SetOrientation(%ff, %ff, %ff, %ff);\n", i, D(turn.ax), D(turn.ay), D(turn.az),
             D(turn.degrees));
    // The scale the group really has: a parked vehicle's scale fields are not applied until it is scaled,
    // and writing them would change its size when the layout is built.
    if ((o.scale.x > 0.0f && o.scale.y > 0.0f && o.scale.z > 0.0f) || o.scaleApplied) {
      const Vector3 s = o.scaleApplied ? o.appliedScale : Vector3(1.0f, 1.0f, 1.0f);
      Append(out, "\tohObjects[%d].scale.x = %ff;\n", i, D(s.x));
      Append(out, "\tohObjects[%d].scale.y = %ff;\n", i, D(s.y));
      Append(out, "\tohObjects[%d].scale.z = %ff;\n", i, D(s.z));
      Append(out, "\tohObjects[%d].scaleBy(0.0f);\n", i);
    }
  }
  out += "}\n\n\n";
  return out;
}

bool WriteLevelObjectSource(int32_t level) {
  char name[32];
  std::snprintf(name, sizeof name, "lvlobj%d.cpp", level);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string text = LevelObjectSourceText(level, local);

  std::FILE* file = std::fopen(name, "w");
  bool written = false;
  if (file) {
    written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fclose(file) == 0 && written;
  }
  if (!written && Engine().engineRoot) Engine().engineRoot->DebugPrint(std::string("cannot write ") + name);
  return written;
}

}  // namespace kestrine
