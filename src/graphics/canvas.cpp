#include "canvas.h"

#include <algorithm>
#include <string>
#include <utility>

#include "bitmap.h"
#include "core/shift_jis.h"
#include "dib_pixels.h"
#include "gdi_handles.h"
#include "graphics_error.h"
#include "screen.h"

namespace tezun {
namespace {

RECT ToRECT(const Rect& r) {
  return {ClampToInt32(r.left), ClampToInt32(r.top), ClampToInt32(r.right), ClampToInt32(r.bottom)};
}

template <class Handle>
GdiObject<Handle> Made(Handle handle) {
  if (!handle) throw EOutOfResources("cannot create a pen or brush");
  return GdiObject<Handle>(handle);
}

}  // namespace

Rect TCanvas::ClipRect() const {
  RECT box{};
  GetClipBox(dc_, &box);
  return {box.left, box.top, box.right, box.bottom};
}

void TCanvas::FillRect(const Rect& rect) {
  const RECT r = ToRECT(rect);
  if (recording_) {
    recording_->AddFill(r, ColorToRGB(Brush.Color));
    return;
  }
  const BrushHandle brush = Made(CreateSolidBrush(ColorToRGB(Brush.Color)));
  ::FillRect(dc_, &r, brush.get());
}

void TCanvas::BlendRect(const Rect& rect, int32_t color, int percent) {
  const Rect area = Intersect(rect, ClipRect());
  if (IsEmpty(area) || percent <= 0) return;
  if (recording_) {
    recording_->AddBlend(rect, color, percent);
    return;
  }
  if (percent >= 100) {
    const BrushHandle brush = Made(CreateSolidBrush(ColorToRGB(color)));
    const RECT r = ToRECT(area);
    ::FillRect(dc_, &r, brush.get());
    return;
  }
  const int alpha = MulDiv(percent, 255, 100);
  const COLORREF rgb = ColorToRGB(color);
  // On a 24-bit picture of our own the pixels are blended in place: GDI's blend from a single
  // pixel stretched over the area costs Wine several times as much. What each value of each
  // channel becomes is worked out once.
  if (const auto pixels = DibPixels::Of(dc_)) {
    const Rect inside = Intersect(area, pixels->Bounds());
    const BYTE source[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    BYTE blended[3][256];
    for (int c = 0; c < 3; ++c) {
      const int channel = source[c];
      for (int value = 0; value < 256; ++value) {
        blended[c][value] =
            static_cast<BYTE>(value + ((channel - value) * alpha + (channel >= value ? 127 : -127)) / 255);
      }
    }
    for (int64_t y = inside.top; y < inside.bottom; ++y) {
      BYTE* pixel = pixels->At(inside.left, y);
      for (int64_t x = inside.left; x < inside.right; ++x, pixel += 3) {
        pixel[0] = blended[0][pixel[0]];
        pixel[1] = blended[1][pixel[1]];
        pixel[2] = blended[2][pixel[2]];
      }
    }
    return;
  }
  // Elsewhere one pixel of the colour, stretched over the area with a constant opacity.
  const BitmapHandle dot = CreateBitmap24(1, 1);
  const MemoryDC source;
  if (!source) throw EOutOfResources("cannot create a device context");
  const Selection selected(source.get(), dot.get());
  SetPixelV(source.get(), 0, 0, rgb);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
  GdiAlphaBlend(dc_, static_cast<int>(area.left), static_cast<int>(area.top), static_cast<int>(area.width()),
                static_cast<int>(area.height()), source.get(), 0, 0, 1, 1, blend);
}

void TCanvas::PaintFigure(Figure figure, const Rect& rect) {
  const RECT r = ToRECT(rect);
  const PenKind pen{Pen.Style, Pen.Width, ColorToRGB(Pen.Color)};
  const bool solid = Brush.Style == BrushStyle::bsSolid;
  if (recording_) {
    recording_->AddFigure(figure, r, pen, solid ? std::optional(ColorToRGB(Brush.Color)) : std::nullopt);
    return;
  }
  const PenHandle penMade = Made(CreatePen(pen.style, pen.width, pen.color));
  BrushHandle brush;
  if (solid) brush = Made(CreateSolidBrush(ColorToRGB(Brush.Color)));
  const Selection penSelected(dc_, penMade.get());
  const Selection brushSelected(dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
  DrawFigure(dc_, figure, r);
}

void TCanvas::Ellipse(const Rect& rect) { PaintFigure(Figure::Ellipse, rect); }

void TCanvas::HalfEllipse(const Rect& rect, bool right) {
  PaintFigure(right ? Figure::RightHalf : Figure::LeftHalf, rect);
}

void TCanvas::SelectFont() {
  if (!Font.Stale() && selectedFont_) return;
  SelectObject(dc_, dcFont_);  // let go of the old font before the new one replaces it
  selectedFont_ = Font.Handle();
  SelectObject(dc_, selectedFont_);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  SelectFont();
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

SIZE TCanvas::TextExtent(std::string_view text, std::vector<int>& ends) {
  SelectFont();
  SIZE size{};
  // Wine turns the text into characters by the font's code page but walks its bytes by the
  // system's to give each its width: in a font of another code page (a Western face chosen for
  // Japanese texts) it reads and writes one place further for each lead byte, up to twice the
  // text's length. Both are given that room, and nothing beyond the text counts.
  const std::string padded = std::string(text) + std::string(text.size(), '\0');
  ends.assign(padded.size(), 0);
  GetTextExtentExPointA(dc_, padded.data(), static_cast<int>(text.size()), 0, nullptr, ends.data(), &size);
  ends.resize(text.size());
  return size;
}

void TCanvas::PrepareText() {
  SelectFont();
  SetTextColor(dc_, ColorToRGB(Font.Color));
  if (Brush.Style == BrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(Brush.Color));
  }
}

void TCanvas::DrawSteps(int x, int y, std::string_view text, std::span<const TextStep> steps) {
  // Steps along one line go as GDI's advances; steps down too as pairs, down counted upwards as a
  // font counts it.
  const bool oneLine = std::all_of(steps.begin(), steps.end(), [](const TextStep& step) { return step.down == 0; });
  std::vector<int> values;
  values.reserve(steps.size() * (oneLine ? 1 : 2));
  for (const TextStep& step : steps) {
    values.push_back(step.across);
    if (!oneLine) values.push_back(-step.down);
  }
  Text(x, y, oneLine ? 0 : ETO_PDY, text, values);
}

void TCanvas::DrawRing(int x, int y, std::string_view text, std::span<const TextStep> steps) {
  SetTextColor(dc_, ColorToRGB(Outline.Color));
  const int w = Outline.Width;
  const POINT offsets[] = {{-w, -w}, {0, -w}, {w, -w}, {-w, 0}, {w, 0}, {-w, w}, {0, w}, {w, w}};
  if (steps.empty() || text.empty()) {
    for (const POINT& offset : offsets) {
      Text(ClampToInt32(int64_t{x} + offset.x), ClampToInt32(int64_t{y} + offset.y), 0, text, {});
    }
  } else {
    // The eight copies in one call, which costs under Wine what one copy does: the last character
    // of a copy steps on to where the next copy starts. They are drawn one after the other, as
    // eight calls would draw them.
    TextStep whole;
    for (const TextStep& step : steps) whole.across += step.across, whole.down += step.down;
    size_t last = 0;  // the last character's first byte, which carries its step
    for (size_t i = 0; i < text.size(); i += IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) last = i;
    std::string copies;
    std::vector<TextStep> copySteps;
    for (size_t k = 0; k < 8; ++k) {
      copies += text;
      copySteps.insert(copySteps.end(), steps.begin(), steps.end());
      if (k + 1 < 8) {
        TextStep& jump = copySteps[copySteps.size() - steps.size() + last];
        jump.across += offsets[k + 1].x - offsets[k].x - whole.across;
        jump.down += offsets[k + 1].y - offsets[k].y - whole.down;
      }
    }
    DrawSteps(ClampToInt32(int64_t{x} + offsets[0].x), ClampToInt32(int64_t{y} + offsets[0].y), copies, copySteps);
  }
  SetTextColor(dc_, ColorToRGB(Font.Color));
}

void TCanvas::Text(int x, int y, UINT options, std::string_view text, std::span<const int> advances) {
  if (recording_) {
    recording_->AddText(Font.Log(), {0, GetTextColor(dc_), GetBkMode(dc_), GetBkColor(dc_), x, y, options,
                                     std::string(text), std::vector<int>(advances.begin(), advances.end())});
    return;
  }
  ExtTextOutA(dc_, x, y, options, nullptr, text.data(), static_cast<UINT>(text.size()),
              advances.empty() ? nullptr : advances.data());
}

void TCanvas::DrawHalfOpaque(const Rect& area, const std::function<void(TCanvas& layer)>& draw) {
  const int width = ClampToInt32(area.width()), height = ClampToInt32(area.height());
  if (width <= 0 || height <= 0) return;
  TBitmap copy;
  copy.SetPixelFormat24();
  copy.SetSize(width, height);
  TCanvas& layer = copy.Canvas();
  if (recording_) {
    // The layer's calls are noted too, on a layer of the same size that is never shown: they are
    // made again on a copy of the picture of the time.
    Drawing layerDrawing;
    {
      const CanvasRecording recording(layer, layerDrawing);
      draw(layer);
    }
    recording_->AddHalfOpaque(area, std::move(layerDrawing));
    return;
  }
  layer.CopyRect({0, 0, width, height}, *this, area);
  draw(layer);
  // Half of each: a pixel the drawing left alone blends with itself into itself.
  constexpr BYTE kHalf = 128;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, kHalf, 0};
  GdiAlphaBlend(dc_, ClampToInt32(area.left), ClampToInt32(area.top), width, height, layer.Handle(), 0, 0, width,
                height, blend);
}

void TCanvas::TextOut(int64_t x, int64_t y, std::string_view text) {
  PrepareText();
  const int left = ClampToInt32(x), top = ClampToInt32(y);
  if (Outline.Enabled) DrawRing(left, top, text, {});
  Text(left, top, 0, text, {});
}

void TCanvas::TextOut(int x, int y, std::string_view text, std::span<const TextStep> steps) {
  PrepareText();
  if (Outline.Enabled) DrawRing(x, y, text, steps);
  DrawSteps(x, y, text, steps);
}

void TCanvas::TextOutline(int x, int y, std::string_view text, std::span<const TextStep> steps) {
  PrepareText();
  DrawRing(x, y, text, steps);
}

void TCanvas::CopyRect(const Rect& target, const TCanvas& source, const Rect& from) {
  const int x = ClampToInt32(target.left), y = ClampToInt32(target.top);
  const int width = ClampToInt32(target.width()), height = ClampToInt32(target.height());
  const int fromX = ClampToInt32(from.left), fromY = ClampToInt32(from.top);
  const int fromWidth = ClampToInt32(from.width()), fromHeight = ClampToInt32(from.height());
  if (recording_) {
    recording_->AddCopy({x, y}, {width, height}, source.dc_, {fromX, fromY}, {fromWidth, fromHeight}, CopyMode);
    return;
  }
  if (width == fromWidth && height == fromHeight) {
    BitBlt(dc_, x, y, width, height, source.dc_, fromX, fromY, CopyMode);
  } else {
    StretchBlt(dc_, x, y, width, height, source.dc_, fromX, fromY, fromWidth, fromHeight, CopyMode);
  }
}

}  // namespace tezun
