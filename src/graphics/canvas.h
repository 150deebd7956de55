// A drawing surface over a device context: pen, brush, font and copy mode, and the operations
// the calendar and the wallpaper are drawn with. Nothing is clipped beyond the bitmap's edges.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/settings.h"
#include "drawing.h"
#include "font.h"

namespace tezun {

enum class BrushStyle { bsSolid, bsClear };

struct TPen {
  int32_t Color = clBlack;
  int Style = PS_SOLID;  // psSolid
  int Width = 1;
};

struct TBrush {
  int32_t Color = clWhite;
  BrushStyle Style = BrushStyle::bsSolid;
};

// A ring around every text, so that it reads on any picture: the text drawn in Color at the eight
// neighbouring offsets, Width pixels away, before it is drawn itself.
struct TOutline {
  bool Enabled = false;
  int32_t Color = clBlack;
  int Width = 1;
};

// From one character to the next, in pixels: across, and down for a text that goes on below.
struct TextStep {
  int across = 0;
  int down = 0;
};

// Raster operations of CopyRect.
inline constexpr DWORD cmSrcCopy = SRCCOPY;        // D = S
inline constexpr DWORD cmMergePaint = MERGEPAINT;  // D = D OR NOT S
inline constexpr DWORD cmSrcAnd = SRCAND;          // D = D AND S

class TCanvas {
 public:
  explicit TCanvas(HDC dc) : dc_(dc), dcFont_(GetCurrentObject(dc, OBJ_FONT)) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas() { SelectObject(dc_, dcFont_); }

  HDC Handle() const { return dc_; }
  // The part of the surface drawing can reach: the bitmap's bounds.
  Rect ClipRect() const;

  TFont Font;
  TPen Pen;
  TBrush Brush;
  TOutline Outline;
  DWORD CopyMode = cmSrcCopy;

  // With the brush's colour; the right and bottom edges are not filled.
  void FillRect(const Rect& rect);
  // The colour laid over the rectangle at `percent` opacity (100: solid), right and bottom edges
  // excluded.
  void BlendRect(const Rect& rect, int32_t color, int percent);
  // Inscribed in the rectangle, outlined with the pen and filled with the brush.
  void Ellipse(const Rect& rect);
  // The right or left half of that ellipse, cut by its vertical diameter, outlined and filled alike.
  void HalfEllipse(const Rect& rect, bool right);
  SIZE TextExtent(std::string_view text);
  // The same, and where each byte's character ends from the text's start (a double-byte
  // character's two bytes both end where it does).
  SIZE TextExtent(std::string_view text, std::vector<int>& ends);
  // Top-left corner at (x, y) in the font's colour; with bsClear no background, with bsSolid a box
  // in the brush's colour.
  void TextOut(int64_t x, int64_t y, std::string_view text);
  // The same with each byte's step to the next character given, across and down (a double-byte
  // character's step in its first byte, none in its second), so that texts far apart, on one line
  // or on several, are drawn in one call.
  void TextOut(int x, int y, std::string_view text, std::span<const TextStep> steps);
  // The outline's ring alone of such a text, whether the outline is on or not.
  void TextOutline(int x, int y, std::string_view text, std::span<const TextStep> steps);
  // A rectangle of another canvas onto one of this, by CopyMode; equal sizes copy 1:1.
  void CopyRect(const Rect& target, const TCanvas& source, const Rect& from);

  // Runs `draw` on a copy of the canvas's pixels in `area` (within the canvas), then lays the copy
  // over them half transparent: what `draw` drew shows at half opacity, and every other pixel stays
  // exactly as it was. The copy's pixel (0, 0) is the area's top-left.
  void DrawHalfOpaque(const Rect& area, const std::function<void(TCanvas& layer)>& draw);

  // While a drawing is given, every drawing call above is noted in it instead of being made:
  // measuring, and all the canvas only reads, works as ever. Null ends the recording.
  void Record(Drawing* drawing) { recording_ = drawing; }

 private:
  // The figure with the pen and the brush (none for bsClear).
  void PaintFigure(Figure figure, const Rect& rect);
  // The font stays selected between texts: selecting it anew for each one is what costs.
  void SelectFont();
  // The font, colour and background mode of a text.
  void PrepareText();
  // The outline's ring of a text that is about to be drawn, with these steps (or none).
  void DrawRing(int x, int y, std::string_view text, std::span<const TextStep> steps);
  // The text at (x, y), its characters placed by the steps, in the DC's colour.
  void DrawSteps(int x, int y, std::string_view text, std::span<const TextStep> steps);
  // One ExtTextOut call in the DC's font, colour and background, or its note in the recording.
  void Text(int x, int y, UINT options, std::string_view text, std::span<const int> advances);

  HDC dc_;
  HGDIOBJ dcFont_;  // the font the DC was made with
  HFONT selectedFont_ = nullptr;
  Drawing* recording_ = nullptr;
};

// Records the canvas's drawing calls into the drawing for as long as it lives.
class CanvasRecording {
 public:
  CanvasRecording(TCanvas& canvas, Drawing& drawing) : canvas_(canvas) { canvas.Record(&drawing); }
  CanvasRecording(const CanvasRecording&) = delete;
  CanvasRecording& operator=(const CanvasRecording&) = delete;
  ~CanvasRecording() { canvas_.Record(nullptr); }

 private:
  TCanvas& canvas_;
};

}  // namespace tezun
