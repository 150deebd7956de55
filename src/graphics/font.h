// A font as the drawing code and the settings see it: face name, size in points (or height in
// pixels), colour and style bits. The GDI font is made when first needed and again after a change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "gdi_handles.h"

namespace tezun {

class TFont {
 public:
  // Face names hold at most this many bytes, as a LOGFONT does.
  static constexpr size_t kMaxNameBytes = LF_FACESIZE - 1;

  const std::string& Name() const { return name_; }
  // Keeps at most 31 bytes without cutting a double-byte character; an empty name changes nothing.
  void SetName(std::string_view name);

  // Character (em) height in pixels.
  int Height() const { return height_; }
  void SetHeight(int pixels);
  // Points: the height is size x LOGPIXELSY / 72, rounded; read back the same way.
  int Size() const;
  void SetSize(int points);
  // The same at another density: `pointsToPixels` is the height of one point, in pixels.
  void SetSize(int points, const Scale& pointsToPixels);

  int32_t Color = 0;
  uint8_t Style() const { return style_; }
  void SetStyle(uint8_t style);

  // The GDI font of the current face, height and style. After a change the next call makes a new
  // one and deletes the old, so whoever selected the old one must let go of it first.
  HFONT Handle();
  bool Stale() const { return stale_ || !handle_; }
  // Face, size, style, colour.
  void Assign(const TFont& other);
  // Whether the other draws the same shapes: the same face, height and style.
  bool SameShapes(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_;
  }
  // The font as GDI describes it, and back: face, character height and style (a weight of 700 or
  // more is bold), as the font dialog shows and gives them.
  LOGFONTA Log() const;
  void Assign(const LOGFONTA& log);

 private:
  void Changed() { stale_ = true; }

  std::string name_;
  int height_ = 12;
  uint8_t style_ = 0;
  FontHandle handle_;
  bool stale_ = true;
};

}  // namespace tezun
