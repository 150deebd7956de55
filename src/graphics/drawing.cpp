#include "drawing.h"

#include <algorithm>
#include <cstring>

#include "bitmap.h"
#include "canvas.h"
#include "dib_pixels.h"
#include "graphics_error.h"

namespace tezun {
namespace {

template <class Handle>
GdiObject<Handle> Made(Handle handle) {
  if (!handle) throw EOutOfResources("cannot create a font, pen or brush");
  return GdiObject<Handle>(handle);
}

// Where a kind of object is in a list of them, added when it is not there yet.
template <class Kind, class Handle, class Make>
size_t IndexOf(std::vector<std::pair<Kind, Handle>>& list, const Kind& kind, Make make) {
  const auto found = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.first == kind; });
  if (found != list.end()) return static_cast<size_t>(found - list.begin());
  list.emplace_back(kind, make());
  return list.size() - 1;
}

// Keeps whatever the DC had selected of a kind while others are selected, and puts it back.
class Selected {
 public:
  Selected(HDC dc, UINT kind) : dc_(dc), original_(GetCurrentObject(dc, kind)) {}
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() {
    if (current_) SelectObject(dc_, original_);
  }
  void Select(HGDIOBJ object) {
    if (object == current_) return;
    SelectObject(dc_, object);
    current_ = object;
  }

 private:
  HDC dc_;
  HGDIOBJ original_;
  HGDIOBJ current_ = nullptr;
};

}  // namespace

void DrawFigure(HDC dc, Figure figure, const RECT& r) {
  if (figure == Figure::Ellipse) {
    ::Ellipse(dc, r.left, r.top, r.right, r.bottom);
    return;
  }
  // A chord runs counter-clockwise from its first radial to its second: from the bottom of the
  // vertical diameter to its top by way of the right side, or from the top to the bottom by the
  // left.
  const bool right = figure == Figure::RightHalf;
  const int middle = r.left + (r.right - r.left) / 2;
  const int from = right ? r.bottom : r.top, to = right ? r.top : r.bottom;
  ::Chord(dc, r.left, r.top, r.right, r.bottom, middle, from, middle, to);
}

void Drawing::AddText(const LOGFONTA& font, Text text) {
  // LOGFONTA has no padding, and fonts are described with every byte set.
  const auto same = std::find_if(fonts_.begin(), fonts_.end(),
                                 [&](const auto& entry) { return std::memcmp(&entry.first, &font, sizeof font) == 0; });
  if (same != fonts_.end()) {
    text.font = static_cast<size_t>(same - fonts_.begin());
  } else {
    text.font = fonts_.size();
    fonts_.emplace_back(font, Made(CreateFontIndirectA(&font)));
  }
  steps_.push_back({Kind::Text, texts_.size()});
  texts_.push_back(std::move(text));
}

size_t Drawing::BrushFor(COLORREF color) {
  return IndexOf(brushes_, color, [&] { return Made(CreateSolidBrush(color)); });
}

void Drawing::AddFigure(Figure figure, const RECT& rect, const PenKind& pen, std::optional<COLORREF> brush) {
  const size_t penIndex = IndexOf(pens_, pen, [&] { return Made(CreatePen(pen.style, pen.width, pen.color)); });
  std::optional<size_t> brushIndex;
  if (brush) brushIndex = BrushFor(*brush);
  steps_.push_back({Kind::Figure, figures_.size()});
  figures_.push_back({figure, rect, penIndex, brushIndex});
}

void Drawing::AddFill(const RECT& rect, COLORREF color) {
  const size_t brush = BrushFor(color);
  steps_.push_back({Kind::Fill, fills_.size()});
  fills_.push_back({rect, brush});
}

void Drawing::AddBlend(const Rect& rect, int32_t color, int percent) {
  steps_.push_back({Kind::Blend, blends_.size()});
  blends_.push_back({rect, color, percent});
}

void Drawing::AddCopy(POINT at, SIZE size, HDC source, POINT from, SIZE fromSize, DWORD rop) {
  if (size.cx == fromSize.cx && size.cy == fromSize.cy) {
    // A copy 1:1 takes only what lies on its source's picture, and leaves the rest of its target.
    BITMAP shape{};
    if (GetObjectA(GetCurrentObject(source, OBJ_BITMAP), sizeof shape, &shape)) {
      const Rect wanted{from.x, from.y, int64_t{from.x} + fromSize.cx, int64_t{from.y} + fromSize.cy};
      const Rect taken = Intersect(wanted, {0, 0, shape.bmWidth, shape.bmHeight});
      if (IsEmpty(taken)) return;
      at = {static_cast<LONG>(at.x + taken.left - from.x), static_cast<LONG>(at.y + taken.top - from.y)};
      from = {static_cast<LONG>(taken.left), static_cast<LONG>(taken.top)};
      size = fromSize = {static_cast<LONG>(taken.width()), static_cast<LONG>(taken.height())};
    }
  }
  std::vector<BYTE> pixels;
  if (fromSize.cx > 0 && fromSize.cy > 0) {
    const size_t stride = MaskedCopy::RowBytes(fromSize.cx);
    pixels.resize(stride * static_cast<size_t>(fromSize.cy));
    auto keep = [&](const DibPixels& bytes, POINT origin) {
      for (int y = 0; y < fromSize.cy; ++y) {
        std::memcpy(&pixels[y * stride], bytes.At(origin.x, origin.y + y), size_t{3} * fromSize.cx);
      }
    };
    const auto sourcePixels = DibPixels::Of(source);
    const Rect wanted{from.x, from.y, int64_t{from.x} + fromSize.cx, int64_t{from.y} + fromSize.cy};
    if (sourcePixels && Intersect(wanted, sourcePixels->Bounds()) == wanted) {
      keep(*sourcePixels, from);
    } else {
      // Any other source through a bitmap of the copy's size, as a copy of it would read it.
      const BitmapHandle copy = CreateBitmap24(fromSize.cx, fromSize.cy);
      const MemoryDC dc;
      if (!dc) throw EOutOfResources("cannot create a device context");
      const Selection selected(dc.get(), copy.get());
      BitBlt(dc.get(), 0, 0, fromSize.cx, fromSize.cy, source, from.x, from.y, SRCCOPY);
      keep(*DibPixels::Of(dc.get()), {0, 0});
    }
  }
  if (pixels.empty()) return;  // nothing to copy
  if (MaskedCopy::Folds(rop) && size.cx == fromSize.cx && size.cy == fromSize.cy) {
    if (steps_.empty() || steps_.back().kind != Kind::Masked || !masked_.back().Covers(at, size)) {
      steps_.push_back({Kind::Masked, masked_.size()});
      masked_.emplace_back(at, size);
    }
    masked_.back().Fold(pixels, rop);
    return;
  }
  steps_.push_back({Kind::Copy, copies_.size()});
  copies_.push_back({at, size, fromSize, std::move(pixels), rop});
}

void Drawing::AddHalfOpaque(const Rect& rect, Drawing layer) {
  steps_.push_back({Kind::HalfOpaque, layers_.size()});
  layers_.push_back({rect, std::make_unique<Drawing>(std::move(layer))});
}

void Drawing::DrawOn(TCanvas& canvas) const {
  const HDC dc = canvas.Handle();
  Selected font(dc, OBJ_FONT), pen(dc, OBJ_PEN), brush(dc, OBJ_BRUSH);
  COLORREF color = CLR_INVALID, backgroundColor = CLR_INVALID;
  int background = 0;
  for (const Step& step : steps_) {
    switch (step.kind) {
      case Kind::Text: {
        const Text& text = texts_[step.index];
        font.Select(fonts_[text.font].second.get());
        if (text.color != color) SetTextColor(dc, color = text.color);
        if (text.background != background) SetBkMode(dc, background = text.background);
        if (text.background == OPAQUE && text.backgroundColor != backgroundColor)
          SetBkColor(dc, backgroundColor = text.backgroundColor);
        ExtTextOutA(dc, text.x, text.y, text.options, nullptr, text.bytes.data(), static_cast<UINT>(text.bytes.size()),
                    text.advances.empty() ? nullptr : text.advances.data());
        break;
      }
      case Kind::Figure: {
        const FigureCall& figure = figures_[step.index];
        pen.Select(pens_[figure.pen].second.get());
        brush.Select(figure.brush ? static_cast<HGDIOBJ>(brushes_[*figure.brush].second.get())
                                  : GetStockObject(NULL_BRUSH));
        DrawFigure(dc, figure.figure, figure.rect);
        break;
      }
      case Kind::Fill: {
        const FillCall& fill = fills_[step.index];
        ::FillRect(dc, &fill.rect, brushes_[fill.brush].second.get());
        break;
      }
      case Kind::Blend: {
        const BlendCall& blend = blends_[step.index];
        canvas.BlendRect(blend.rect, blend.color, blend.percent);
        break;
      }
      case Kind::Copy: {
        const CopyCall& copy = copies_[step.index];
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, copy.fromSize.cx, -copy.fromSize.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        StretchDIBits(dc, copy.at.x, copy.at.y, copy.size.cx, copy.size.cy, 0, 0, copy.fromSize.cx, copy.fromSize.cy,
                      copy.pixels.data(), &info, DIB_RGB_COLORS, copy.rop);
        break;
      }
      case Kind::Masked:
        masked_[step.index].DrawOn(dc);
        break;
      case Kind::HalfOpaque: {
        const LayerCall& layer = layers_[step.index];
        canvas.DrawHalfOpaque(layer.rect, [&](TCanvas& on) { layer.drawing->DrawOn(on); });
        break;
      }
    }
  }
}

// NOLINTNEXTLINE(misc-no-recursion): a layer is one deep, its drawing made on a layer with none
size_t Drawing::Bytes() const {
  size_t bytes = sizeof *this + steps_.capacity() * sizeof(Step) + texts_.capacity() * sizeof(Text) +
                 figures_.capacity() * sizeof(FigureCall) + fills_.capacity() * sizeof(FillCall) +
                 blends_.capacity() * sizeof(BlendCall) + copies_.capacity() * sizeof(CopyCall) +
                 masked_.capacity() * sizeof(MaskedCopy) + fonts_.capacity() * sizeof fonts_[0] +
                 pens_.capacity() * sizeof pens_[0] + brushes_.capacity() * sizeof brushes_[0] +
                 layers_.capacity() * sizeof(LayerCall);
  for (const Text& text : texts_) bytes += text.bytes.capacity() + text.advances.capacity() * sizeof(int);
  for (const CopyCall& copy : copies_) bytes += copy.pixels.capacity();
  for (const MaskedCopy& masked : masked_) bytes += masked.Bytes();
  for (const LayerCall& layer : layers_) bytes += layer.drawing->Bytes();
  return bytes;
}

}  // namespace tezun
