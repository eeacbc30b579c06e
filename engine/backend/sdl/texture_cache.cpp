#include "backend/sdl/texture_cache.h"

#include <algorithm>
#include <cstring>

namespace engine {

bool BitmapToRgba(const EngineBitmap& bitmap, const ShownArea& area, std::vector<uint8_t>& out) {
  const int width = bitmap.GetWidth();
  const int columns = area.right - area.left;
  out.resize(static_cast<size_t>(columns) * (area.bottom - area.top) * 4);
  const std::optional<Color> key = bitmap.ColorKey();
  const uint32_t keyPacked = key ? key->Packed() : 0;
  uint8_t* o = out.data();
  bool opaque = true;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint32_t* p = bitmap.Pixels().data() + static_cast<size_t>(y) * width + area.left;
    for (int x = 0; x < columns; ++x, ++p, o += 4) {
      const uint32_t rgb = *p & 0xFFFFFFu;
      if (key && rgb == keyPacked) {
        o[0] = o[1] = o[2] = o[3] = 0;
        opaque = false;
        continue;
      }
      o[0] = static_cast<uint8_t>(rgb >> 16);
      o[1] = static_cast<uint8_t>(rgb >> 8);
      o[2] = static_cast<uint8_t>(rgb);
      o[3] = 255;
    }
  }
  return opaque;
}

namespace {

struct Opaque {
  const std::vector<uint32_t>& pixels;
  int width;
  std::optional<Color> key;
  uint32_t keyPacked = key ? key->Packed() : 0;
  bool operator()(int x, int y) const {
    return !key || (pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFFu) != keyPacked;
  }
};

// The tightest rectangle inside r holding every shown pixel of it (empty when it holds none).
ShownArea Tighten(const Opaque& opaque, ShownArea r) {
  ShownArea t{r.right, r.bottom, r.left, r.top};
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      if (!opaque(x, y)) continue;
      t.left = std::min(t.left, x);
      t.right = std::max(t.right, x + 1);
      t.top = std::min(t.top, y);
      t.bottom = y + 1;
    }
  return t.Empty() ? ShownArea{} : t;
}

}  // namespace

std::vector<ShownArea> ShownParts(const std::vector<uint32_t>& pixels, int width, int height,
                                  std::optional<Color> key) {
  if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * height) return {};
  const Opaque opaque{pixels, width, key};
  const int across = (width + kShownTile - 1) / kShownTile, down = (height + kShownTile - 1) / kShownTile;
  // The grid cells holding a shown pixel.
  std::vector<uint8_t> cells(static_cast<size_t>(across) * down, 0);
  ShownArea bounds{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    uint8_t* cellRow = &cells[static_cast<size_t>(y / kShownTile) * across];
    for (int x = 0; x < width; ++x) {
      if (!opaque(x, y)) continue;
      cellRow[x / kShownTile] = 1;
      bounds.left = std::min(bounds.left, x);
      bounds.right = std::max(bounds.right, x + 1);
      bounds.top = std::min(bounds.top, y);
      bounds.bottom = y + 1;
    }
  }
  if (bounds.Empty()) return {};
  // Runs of cells along each grid row; a run of the same span as one in the row above extends its rectangle.
  std::vector<ShownArea> parts;  // in cells until tightened
  std::vector<size_t> open, stillOpen;
  for (int cy = 0; cy < down; ++cy) {
    stillOpen.clear();
    const uint8_t* cellRow = &cells[static_cast<size_t>(cy) * across];
    for (int cx = 0; cx < across;) {
      if (!cellRow[cx]) {
        ++cx;
        continue;
      }
      const int from = cx;
      while (cx < across && cellRow[cx]) ++cx;
      const auto same = std::find_if(open.begin(), open.end(),
                                     [&](size_t i) { return parts[i].left == from && parts[i].right == cx; });
      if (same != open.end()) {
        parts[*same].bottom = cy + 1;
        stillOpen.push_back(*same);
      } else {
        parts.push_back({from, cy, cx, cy + 1});
        stillOpen.push_back(parts.size() - 1);
      }
      if (parts.size() > kMaxShownParts) return {bounds};
    }
    open.swap(stillOpen);
  }
  for (ShownArea& part : parts)
    part = Tighten(opaque, {part.left * kShownTile, part.top * kShownTile, std::min(width, part.right * kShownTile),
                            std::min(height, part.bottom * kShownTile)});
  return parts;
}

bool AllShown(const std::vector<uint32_t>& pixels, int width, std::optional<Color> key, const ShownArea& area) {
  const Opaque opaque{pixels, width, key};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (!opaque(x, y)) return false;
  return true;
}

TextureCache::~TextureCache() { Clear(); }

void TextureCache::Clear() {
  for (auto& [bitmap, entry] : entries_) glDeleteTextures(1, &entry.texture);
  entries_.clear();
}

TextureUse TextureCache::Use(const EngineBitmap& bitmap) {
  auto [it, added] = entries_.try_emplace(&bitmap);
  Entry& entry = it->second;
  if (added) {
    entry.bitmap = EngineRef<const EngineBitmap>(&bitmap);
    glGenTextures(1, &entry.texture);
  }
  entry.lastFrame = frame_;
  if (added) {
    Upload(entry, false);
  } else if (entry.revision != bitmap.Revision() && !ShowsTheSame(entry)) {
    Upload(entry, true);
  }
  return {entry.texture, entry.opaque, &entry.solid, &entry.keyed, entry.solidTop, entry.solidBottom};
}

bool TextureCache::ShowsTheSame(Entry& entry) {
  const EngineBitmap& bitmap = *entry.bitmap;
  if (!entry.hasShown || entry.shownKey != bitmap.ColorKey()) return false;
  const std::vector<uint32_t>& now = bitmap.Pixels();
  if (const auto* written = bitmap.WrittenSince(entry.revision)) {
    // Only what was written since the copy can differ from it.
    const size_t width = static_cast<size_t>(bitmap.GetWidth());
    for (size_t row = 0; row < written->size(); ++row) {
      const EngineBitmap::RowSpan span = (*written)[row];
      if (span.from >= span.to) continue;
      const size_t at = row * width + static_cast<size_t>(span.from);
      if (std::memcmp(&now[at], &entry.shownPixels[at], static_cast<size_t>(span.to - span.from) * sizeof(uint32_t)))
        return false;
    }
  } else if (entry.shownPixels != now) {
    return false;
  }
  entry.revision = bitmap.Revision();
  bitmap.TrackWrites();
  return true;
}

bool TextureCache::DrawnImagesChanged() {
  for (auto& [bitmap, entry] : entries_) {
    if (entry.lastFrame + 1 != frame_ || entry.revision == bitmap->Revision()) continue;
    if (!ShowsTheSame(entry)) return true;
  }
  return false;
}

namespace {

// The smallest rectangle holding every written pixel (empty when none was written).
ShownArea WrittenBox(const std::vector<EngineBitmap::RowSpan>& written) {
  ShownArea box{0, 0, 0, 0};
  bool any = false;
  for (size_t row = 0; row < written.size(); ++row) {
    const EngineBitmap::RowSpan span = written[row];
    if (span.from >= span.to) continue;
    const int y = static_cast<int>(row);
    box = any ? ShownArea{std::min(box.left, span.from), box.top, std::max(box.right, span.to), y + 1}
              : ShownArea{span.from, y, span.to, y + 1};
    any = true;
  }
  return box;
}

bool Inside(const ShownArea& a, int x, int y) { return x >= a.left && x < a.right && y >= a.top && y < a.bottom; }

}  // namespace

bool TextureCache::PartsStillHold(const Entry& entry, const std::vector<EngineBitmap::RowSpan>& written) {
  const EngineBitmap& bitmap = *entry.bitmap;
  const Opaque opaque{bitmap.Pixels(), bitmap.GetWidth(), bitmap.ColorKey()};
  for (size_t row = 0; row < written.size(); ++row) {
    const int y = static_cast<int>(row);
    for (int x = written[row].from; x < written[row].to; ++x) {
      const bool shown = opaque(x, y);
      bool inSolid = false, inKeyed = false;
      for (const ShownArea& part : entry.solid) inSolid = inSolid || Inside(part, x, y);
      for (const ShownArea& part : entry.keyed) inKeyed = inKeyed || Inside(part, x, y);
      // A shown pixel outside every part would not be drawn; a key-coloured one in a solid part would be, and
      // one in a solid row would let through a view that is no longer drawn there.
      const bool inSolidRows = y < entry.solidTop || y >= entry.height - entry.solidBottom;
      if (shown ? !inSolid && !inKeyed : inSolid || inSolidRows) return false;
    }
  }
  return true;
}

void TextureCache::Upload(Entry& entry, bool keepCopy) {
  const EngineBitmap& bitmap = *entry.bitmap;
  const uint64_t previous = entry.revision;
  glBindTexture(GL_TEXTURE_2D, entry.texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // The texture holds the bitmap as it was when its writes began to be counted, so only what was written since
  // goes up again (a clock's digits, not the whole layer they are on).
  const std::vector<EngineBitmap::RowSpan>* written = nullptr;
  if (entry.hasShown && entry.width == bitmap.GetWidth() && entry.height == bitmap.GetHeight() &&
      entry.shownKey == bitmap.ColorKey())
    written = bitmap.WrittenSince(previous);
  ShownArea changed{0, 0, bitmap.GetWidth(), bitmap.GetHeight()};
  if (written) {
    changed = WrittenBox(*written);
  } else if (entry.width != bitmap.GetWidth() || entry.height != bitmap.GetHeight()) {
    entry.width = bitmap.GetWidth();
    entry.height = bitmap.GetHeight();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, entry.width, entry.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  }
  // A band of rows at a time: a large picture (a mission's ground) is not held a second time in full.
  if (!written) entry.opaque = true;
  if (!changed.Empty()) {
    const int columns = changed.right - changed.left;
    const int band = std::max(1, static_cast<int>(kStagingBytes / (static_cast<size_t>(columns) * 4)));
    for (int row = changed.top; row < changed.bottom; row += band) {
      const ShownArea rows{changed.left, row, changed.right, std::min(changed.bottom, row + band)};
      // A picture that had key-coloured texels is still taken to have some: the key test shows it the same.
      if (!BitmapToRgba(bitmap, rows, staging_)) entry.opaque = false;
      glTexSubImage2D(GL_TEXTURE_2D, 0, rows.left, rows.top, columns, rows.bottom - rows.top, GL_RGBA, GL_UNSIGNED_BYTE,
                      staging_.data());
    }
  }
  // The parts drawn stay while every written pixel keeps to them; a larger change finds them afresh, tight.
  const size_t area = static_cast<size_t>(changed.right - changed.left) * (changed.bottom - changed.top);
  if (!written || area * 4 > static_cast<size_t>(entry.width) * entry.height || !PartsStillHold(entry, *written)) {
    entry.solid.clear();
    entry.keyed.clear();
    for (const ShownArea& part : ShownParts(bitmap.Pixels(), bitmap.GetWidth(), bitmap.GetHeight(), bitmap.ColorKey()))
      (AllShown(bitmap.Pixels(), bitmap.GetWidth(), bitmap.ColorKey(), part) ? entry.solid : entry.keyed)
          .push_back(part);
    auto rowShown = [&](int y) {
      return AllShown(bitmap.Pixels(), bitmap.GetWidth(), bitmap.ColorKey(), {0, y, entry.width, y + 1});
    };
    entry.solidTop = 0;
    while (entry.solidTop < entry.height && rowShown(entry.solidTop)) ++entry.solidTop;
    entry.solidBottom = 0;
    if (entry.solidTop < entry.height)
      while (rowShown(entry.height - 1 - entry.solidBottom)) ++entry.solidBottom;
    else
      entry.solidBottom = entry.height;
  }
  entry.revision = bitmap.Revision();
  if (keepCopy) {
    if (written && entry.shownPixels.size() == bitmap.Pixels().size()) {
      const size_t width = static_cast<size_t>(bitmap.GetWidth());
      for (size_t row = 0; row < written->size(); ++row) {
        const EngineBitmap::RowSpan span = (*written)[row];
        if (span.from >= span.to) continue;
        const size_t at = row * width + static_cast<size_t>(span.from);
        std::memcpy(&entry.shownPixels[at], &bitmap.Pixels()[at],
                    static_cast<size_t>(span.to - span.from) * sizeof(uint32_t));
      }
    } else {
      entry.shownPixels = bitmap.Pixels();
    }
    entry.shownKey = bitmap.ColorKey();
    entry.hasShown = true;
    bitmap.TrackWrites();
  }
  ++uploads_;
}

void TextureCache::EndFrame() {
  ++frame_;
  for (auto it = entries_.begin(); it != entries_.end();) {
    // A bitmap only the cache still holds can never be drawn again: its texture goes at once.
    const bool orphaned = it->second.bitmap->RefCount() == 1;
    if (!orphaned && frame_ - it->second.lastFrame <= kKeepFrames) {
      ++it;
      continue;
    }
    glDeleteTextures(1, &it->second.texture);
    it = entries_.erase(it);
  }
}

}  // namespace engine
