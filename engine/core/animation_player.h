// The animations playing on one model: each a track with its own time, speed, loop and weight, layered in
// the order they were started (a newer track pulls the parts it moves over what older ones say).
#pragma once

#include <vector>

#include "core/model_data.h"

namespace engine {

struct NodePose {
  Vec3 translation;
  Quat rotation;
  Vec3 scale{1, 1, 1};
};

struct AnimationTrack {
  int animation = 0;
  float time = 0;   // seconds into the animation
  float speed = 1;  // negative plays backwards
  bool loop = false;
  float weight = 1;  // pull at full strength, 0..1
  float fadeIn = 0;  // seconds to reach full strength
  float age = 0;     // seconds since it started
  float Strength() const;
};

// The value of one channel at a time (clamped to its keys).
void SampleChannel(const AnimationChannelData& channel, float time, float out[4]);

class AnimationPlayer {
 public:
  // Starts (or starts again, on top) an animation of data. start is clamped to the animation's length.
  void Play(const ModelData& data, int animation, float start, float speed, bool loop, float fadeIn, float weight);
  void Stop(int animation);
  void Advance(const ModelData& data, float seconds);
  bool Empty() const { return tracks_.empty(); }
  const std::vector<AnimationTrack>& Tracks() const { return tracks_; }
  // The pose of every node some animation of data moves (poses has one entry per node; other entries are
  // left alone): the rest pose, then each track over it.
  void Evaluate(const ModelData& data, std::vector<NodePose>& poses) const;

 private:
  // Drops tracks that a newer full-strength track hides entirely.
  void DropHidden(const ModelData& data);
  std::vector<AnimationTrack> tracks_;
};

}  // namespace engine
