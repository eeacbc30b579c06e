// A mission file that is no file (a pipe or a folder under its name) reads as missing, at once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "battlefield/patient_locations.h"
#include "battlefield/strategy_table.h"
#include "unit/shell/scratch_tree.h"
#include "shell/globals.h"
#include "shell/program_state.h"

namespace kestrine {
namespace {

TEST(MissionFilePipes, APipeOrAFolderNamedLikeAMissionFileIsMissing) {
  ResetProgramState();
  testing::ScratchTree tree;
  missionNumber = 3;
  std::filesystem::create_directories(tree.PathOf("missions/mission3"));
  ASSERT_EQ(::mkfifo(tree.PathOf("missions/mission3/patloc").c_str(), 0644), 0);
  EXPECT_FALSE(LoadPatientLocations()) << "nobody writes to the pipe: no hang";
  std::filesystem::create_directories(tree.PathOf("missions/mission3/strat"));
  EXPECT_FALSE(LoadStrategy());
  ResetProgramState();
}

}  // namespace
}  // namespace kestrine
