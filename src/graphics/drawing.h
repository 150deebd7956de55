// A drawing kept to be made again: the GDI calls a canvas noted while it recorded (texts, figures,
// fills, blends and copies), in their order, with the fonts, pens and brushes they drew with and
// copies of the pictures they copied from. Made again on a picture of the same size, it gives the
// pixels those calls give there, without measuring, laying out or making fonts anew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/geometry.h"
#include "gdi_handles.h"
#include "masked_copy.h"

namespace tezun {

class TCanvas;

// The figures drawn with a pen and a brush: an ellipse inscribed in a rectangle, or its right or
// left half, cut by its vertical diameter.
enum class Figure { Ellipse, RightHalf, LeftHalf };

// The figure in the rectangle, with the pen and brush the DC has selected.
void DrawFigure(HDC dc, Figure figure, const RECT& rect);

struct PenKind {
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
  bool operator==(const PenKind&) const = default;
};

class Drawing {
 public:
  // One ExtTextOut call: its font (one of Fonts()), colour, background mode and colour, place, the
  // call's options, its bytes and, where given, their advances.
  struct Text {
    size_t font = 0;
    COLORREF color = 0;
    int background = TRANSPARENT;
    COLORREF backgroundColor = 0;
    int x = 0, y = 0;
    UINT options = 0;
    std::string bytes;
    std::vector<int> advances;
  };

  Drawing() = default;
  Drawing(Drawing&&) = default;
  Drawing& operator=(Drawing&&) = default;
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;
  ~Drawing() = default;

  void AddText(const LOGFONTA& font, Text text);
  // A figure; no brush is the hollow one.
  void AddFigure(Figure figure, const RECT& rect, const PenKind& pen, std::optional<COLORREF> brush);
  void AddFill(const RECT& rect, COLORREF color);
  // The colour laid over the rectangle at `percent` opacity: made again on the picture of the time.
  void AddBlend(const Rect& rect, int32_t color, int percent);
  // A rectangle of another DC copied onto one of this by a raster operation, stretched where the
  // sizes differ: the pixels it has now are kept, as 24-bit pixels.
  void AddCopy(POINT at, SIZE size, HDC source, POINT from, SIZE fromSize, DWORD rop);

  // Another drawing made on a copy of the rectangle's pixels, laid over them half transparent
  // (TCanvas::DrawHalfOpaque).
  void AddHalfOpaque(const Rect& rect, Drawing layer);

  // Makes every call again on the canvas's picture, in order. The canvas's DC has the font, pen
  // and brush it had before selected again afterwards.
  void DrawOn(TCanvas& canvas) const;

  bool Empty() const { return steps_.empty(); }
  // The texts in their order, and the fonts they name.
  const std::vector<Text>& Texts() const { return texts_; }
  const LOGFONTA& Font(size_t index) const { return fonts_[index].first; }
  // The memory the drawing keeps: its calls, texts and copied pictures, and its GDI objects' descriptions.
  size_t Bytes() const;

 private:
  enum class Kind { Text, Figure, Fill, Blend, Copy, Masked, HalfOpaque };
  struct Step {
    Kind kind = Kind::Text;
    size_t index = 0;  // into the list of its kind
  };
  struct FigureCall {
    Figure figure = Figure::Ellipse;
    RECT rect{};
    size_t pen = 0;
    std::optional<size_t> brush;
  };
  struct FillCall {
    RECT rect{};
    size_t brush = 0;
  };
  struct BlendCall {
    Rect rect;
    int32_t color = 0;
    int percent = 0;
  };
  struct CopyCall {
    POINT at{};
    SIZE size{};
    SIZE fromSize{};           // the kept picture's
    std::vector<BYTE> pixels;  // the kept picture: 24-bit rows, the top first, each of whole words
    DWORD rop = SRCCOPY;
  };

  struct LayerCall {
    Rect rect;
    std::unique_ptr<Drawing> drawing;
  };

  size_t BrushFor(COLORREF color);

  std::vector<Step> steps_;
  std::vector<Text> texts_;
  std::vector<FigureCall> figures_;
  std::vector<FillCall> fills_;
  std::vector<BlendCall> blends_;
  std::vector<CopyCall> copies_;    // stretched ones
  std::vector<MaskedCopy> masked_;  // the others, those onto one rectangle one after another folded
  std::vector<LayerCall> layers_;
  std::vector<std::pair<LOGFONTA, FontHandle>> fonts_;
  std::vector<std::pair<PenKind, PenHandle>> pens_;
  std::vector<std::pair<COLORREF, BrushHandle>> brushes_;
};

}  // namespace tezun
