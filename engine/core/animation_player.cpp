#include "core/animation_player.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

float Clamp01(float v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

Vec3 Lerp(const Vec3& a, const Vec3& b, float k) { return a + (b - a) * k; }

// A loop wraps into [0, length); a single play stops at either end.
float WrapTime(float time, float length, bool loop) {
  if (!std::isfinite(time)) return 0;
  if (length <= 0) return 0;
  if (!loop) return std::clamp(time, 0.0f, length);
  float t = std::fmod(time, length);
  if (t < 0) t += length;
  return t >= length ? 0 : t;
}

}  // namespace

float AnimationTrack::Strength() const {
  const float ramp = fadeIn > 0 ? Clamp01(age / fadeIn) : 1.0f;
  return Clamp01(weight) * ramp;
}

void SampleChannel(const AnimationChannelData& channel, float time, float out[4]) {
  const size_t width = channel.path == AnimationChannelData::Path::Rotation ? 4 : 3;
  const size_t keys = channel.times.size();
  const float* v = channel.values.data();
  // The key at or before the time, and the one after it.
  size_t hi =
      static_cast<size_t>(std::upper_bound(channel.times.begin(), channel.times.end(), time) - channel.times.begin());
  if (hi == 0 || keys == 1) {
    for (size_t i = 0; i < width; ++i) out[i] = v[i];
    return;
  }
  if (hi >= keys) {
    for (size_t i = 0; i < width; ++i) out[i] = v[(keys - 1) * width + i];
    return;
  }
  const size_t lo = hi - 1;
  const float span = channel.times[hi] - channel.times[lo];
  const float k = channel.interpolation == AnimationChannelData::Interpolation::Step || span <= 0
                      ? 0.0f
                      : Clamp01((time - channel.times[lo]) / span);
  const float* a = v + lo * width;
  const float* b = v + hi * width;
  if (width == 4) {
    const Quat q = Slerp({a[0], a[1], a[2], a[3]}, {b[0], b[1], b[2], b[3]}, k);
    out[0] = q.x, out[1] = q.y, out[2] = q.z, out[3] = q.w;
    return;
  }
  for (size_t i = 0; i < 3; ++i) out[i] = a[i] + (b[i] - a[i]) * k;
}

void AnimationPlayer::Play(const ModelData& data, int animation, float start, float speed, bool loop, float fadeIn,
                           float weight) {
  if (animation < 0 || animation >= static_cast<int>(data.animations.size())) return;
  Stop(animation);
  AnimationTrack track;
  track.animation = animation;
  track.speed = std::isfinite(speed) ? speed : 0.0f;
  track.loop = loop;
  track.time = WrapTime(start, data.animations[static_cast<size_t>(animation)].length, loop);
  track.fadeIn = std::isfinite(fadeIn) && fadeIn > 0 ? fadeIn : 0.0f;
  track.weight = std::isfinite(weight) ? Clamp01(weight) : 1.0f;
  tracks_.push_back(track);
  DropHidden(data);
}

void AnimationPlayer::Stop(int animation) {
  tracks_.erase(std::remove_if(tracks_.begin(), tracks_.end(),
                               [animation](const AnimationTrack& t) { return t.animation == animation; }),
                tracks_.end());
}

void AnimationPlayer::Advance(const ModelData& data, float seconds) {
  if (!(seconds > 0)) return;
  for (AnimationTrack& t : tracks_) {
    const float length = data.animations[static_cast<size_t>(t.animation)].length;
    t.time = WrapTime(t.time + seconds * t.speed, length, t.loop);
    t.age = std::min(t.age + seconds, 1e6f);
  }
  DropHidden(data);
}

void AnimationPlayer::DropHidden(const ModelData& data) {
  // A track is hidden when a newer track at full strength moves every node it moves.
  for (size_t newer = tracks_.size(); newer-- > 0;) {
    if (tracks_[newer].Strength() < 1.0f) continue;
    const std::vector<int>& cover = data.animations[static_cast<size_t>(tracks_[newer].animation)].nodes;
    for (size_t older = newer; older-- > 0;) {
      const std::vector<int>& moved = data.animations[static_cast<size_t>(tracks_[older].animation)].nodes;
      if (std::includes(cover.begin(), cover.end(), moved.begin(), moved.end())) {
        tracks_.erase(tracks_.begin() + static_cast<std::ptrdiff_t>(older));
        --newer;
      }
    }
  }
}

void AnimationPlayer::Evaluate(const ModelData& data, std::vector<NodePose>& poses) const {
  for (int n : data.animated) {
    const ModelNodeData& rest = data.nodes[static_cast<size_t>(n)];
    poses[static_cast<size_t>(n)] = {rest.translation, rest.rotation, rest.scale};
  }
  float value[4];
  for (const AnimationTrack& t : tracks_) {
    const float k = t.Strength();
    if (k <= 0) continue;
    for (const AnimationChannelData& ch : data.animations[static_cast<size_t>(t.animation)].channels) {
      SampleChannel(ch, t.time, value);
      NodePose& pose = poses[static_cast<size_t>(ch.node)];
      switch (ch.path) {
        case AnimationChannelData::Path::Translation:
          pose.translation = Lerp(pose.translation, {value[0], value[1], value[2]}, k);
          break;
        case AnimationChannelData::Path::Scale:
          pose.scale = Lerp(pose.scale, {value[0], value[1], value[2]}, k);
          break;
        case AnimationChannelData::Path::Rotation:
          pose.rotation = Slerp(pose.rotation, {value[0], value[1], value[2], value[3]}, k);
          break;
      }
    }
  }
}

}  // namespace engine
