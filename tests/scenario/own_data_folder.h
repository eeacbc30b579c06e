// The generated data seen through links, with no savedGames of its own, as the working directory while it
// lives: a test whose game writes save games or high scores writes them into nobody else's folder.
#pragma once

#include "damaged_tree.h"

namespace kestrine::scenario {

class OwnDataFolder {
 public:
  OwnDataFolder() : in_((tree_.Remove("savedGames"), tree_.Root())) {}

 private:
  DamagedTree tree_{KESTRINE_DATA_DIR};  // only the links go when it does, never what they point at
  InFolder in_;
};

}  // namespace kestrine::scenario
