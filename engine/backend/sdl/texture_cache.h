// Engine bitmaps as OpenGL textures. A bitmap is uploaded when it is first drawn and again only when its
// revision (its pixels or its colour key) changed and it really shows something else: screens repaint their
// text layer every frame with the same words, and that must cost neither an upload nor a new picture.
// Keyed pixels become fully transparent texels.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "engine/engine_bitmap.h"

namespace engine {

// A rectangle of a bitmap in pixels, right and bottom exclusive.
struct ShownArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const ShownArea&) const = default;
};

// The parts of a picture (its pixels and colour key) that show anything, as a few rectangles that do not
// overlap, each as tight as the pixels in it: a frame round a hole is its four sides, a text layer its lines.
// Rectangles are found on a grid of kShownTile pixels; a picture that would need more than kMaxShownParts of
// them is one bounding rectangle. Nothing when the whole picture is key colour.
constexpr int kShownTile = 16;
constexpr size_t kMaxShownParts = 64;
std::vector<ShownArea> ShownParts(const std::vector<uint32_t>& pixels, int width, int height, std::optional<Color> key);
// True when every pixel of the area shows (none is of the key colour): it hides whatever lies behind it.
bool AllShown(const std::vector<uint32_t>& pixels, int width, std::optional<Color> key, const ShownArea& area);

// A bitmap's texture as a frame uses it.
struct TextureUse {
  GLuint texture = 0;
  // No texel is transparent: the picture needs no key test when drawn.
  bool opaque = true;
  // The parts of the bitmap that show anything (ShownParts): those that hide what is behind them whole, and
  // those with key-coloured pixels among the shown ones.
  const std::vector<ShownArea>* solid = nullptr;
  const std::vector<ShownArea>* keyed = nullptr;
  // Rows at the top and at the bottom of the bitmap in which every pixel shows: whatever lies behind them is hidden.
  int solidTop = 0, solidBottom = 0;
};

class TextureCache {
 public:
  TextureCache() = default;
  ~TextureCache();  // the GL context must be current
  TextureCache(const TextureCache&) = delete;
  TextureCache& operator=(const TextureCache&) = delete;

  // The bitmap's texture, uploaded if it is new or shows something else now.
  TextureUse Use(const EngineBitmap& bitmap);
  // True when a bitmap drawn in the last frame shows something else now (pixels or colour key), so the
  // frame must be drawn again; bitmaps repainted with what they showed are not counted.
  bool DrawnImagesChanged();
  // Ends a frame: textures of bitmaps not drawn for a while are dropped (and the bitmaps let go).
  void EndFrame();
  void Clear();

  uint64_t Uploads() const { return uploads_; }
  size_t Size() const { return entries_.size(); }

  // Frames a texture survives without being drawn (a hidden overlay comes back without a new upload).
  static constexpr uint64_t kKeepFrames = 300;

 private:
  struct Entry {
    // Held so the bitmap cannot die and another take its address while its texture is cached.
    EngineRef<const EngineBitmap> bitmap;
    GLuint texture = 0;
    uint64_t revision = 0;
    int width = 0, height = 0;
    bool opaque = true;
    std::vector<ShownArea> solid, keyed;
    int solidTop = 0, solidBottom = 0;
    uint64_t lastFrame = 0;
    // What the texture holds, kept only for a bitmap that has been repainted once it was shown (a screen's
    // text layer), so the next repaint can be told apart from a change by comparing.
    std::vector<uint32_t> shownPixels;
    std::optional<Color> shownKey;
    bool hasShown = false;
  };

  // The bitmap shows what the texture holds (its revision moved on, its content did not).
  static bool ShowsTheSame(Entry& entry);
  // The entry's parts still cover every shown pixel, and its solid parts no key-coloured one, after the writes.
  static bool PartsStillHold(const Entry& entry, const std::vector<EngineBitmap::RowSpan>& written);
  void Upload(Entry& entry, bool keepCopy);

  // The most a band of converted rows on its way to a texture holds.
  static constexpr size_t kStagingBytes = 256 * 1024;

  std::unordered_map<const EngineBitmap*, Entry> entries_;
  std::vector<uint8_t> staging_;
  uint64_t frame_ = 0;
  uint64_t uploads_ = 0;
};

// An area of the bitmap's pixels as RGBA bytes, key-coloured pixels fully transparent (and black, so filtering
// never bleeds the key colour into the edges). True when none of its pixels was of the key colour.
bool BitmapToRgba(const EngineBitmap& bitmap, const ShownArea& area, std::vector<uint8_t>& out);

}  // namespace engine
