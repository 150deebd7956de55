#include "font.h"

#include <cstring>

#include "core/settings.h"
#include "core/shift_jis.h"
#include "graphics_error.h"
#include "screen.h"

namespace tezun {

void TFont::SetName(std::string_view name) {
  if (name.empty()) return;
  const std::string_view kept = TruncateShiftJis(name, kMaxNameBytes);
  if (kept == name_) return;
  name_ = kept;
  Changed();
}

void TFont::SetHeight(int pixels) {
  if (pixels == height_) return;
  height_ = pixels;
  Changed();
}

int TFont::Size() const { return MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetSize(points, PointsToPixels()); }

void TFont::SetSize(int points, const Scale& pointsToPixels) {
  // Rounded as MulDiv rounds; a height beyond 32 bits comes out as MulDiv's -1, as it always has.
  SetHeight(MulDiv(points, static_cast<int>(pointsToPixels.num), static_cast<int>(pointsToPixels.den)));
}

void TFont::SetStyle(uint8_t style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (name_ != other.name_ || height_ != other.height_ || style_ != other.style_) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    Changed();
  }
  Color = other.Color;
}

LOGFONTA TFont::Log() const {
  LOGFONTA log{};
  log.lfHeight = -height_;  // negative: the character height, not the cell height
  log.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = (style_ & fsItalic) != 0;
  log.lfUnderline = (style_ & fsUnderline) != 0;
  log.lfStrikeOut = (style_ & fsStrikeOut) != 0;
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH;
  std::memcpy(log.lfFaceName, name_.data(), name_.size());
  return log;
}

void TFont::Assign(const LOGFONTA& log) {
  SetName(log.lfFaceName);
  SetHeight(-log.lfHeight);
  SetStyle(static_cast<uint8_t>((log.lfWeight >= FW_BOLD ? fsBold : 0) | (log.lfItalic ? fsItalic : 0) |
                                (log.lfUnderline ? fsUnderline : 0) | (log.lfStrikeOut ? fsStrikeOut : 0)));
}

HFONT TFont::Handle() {
  if (Stale()) {
    const LOGFONTA log = Log();
    FontHandle made(CreateFontIndirectA(&log));
    if (!made) throw EOutOfResources("cannot create a font");
    handle_ = std::move(made);
    stale_ = false;
  }
  return handle_.get();
}

}  // namespace tezun
