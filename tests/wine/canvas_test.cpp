// The drawing surface itself: a recorded drawing made again, and where the canvas must make up
// for the system it draws on.
#include "graphics/canvas.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "support/bytes.h"
#include "support/pixels.h"

namespace tezun {
namespace {

// Wine turns an ANSI text into characters by the font's code page, but walks its bytes by the
// system's (932) to give each byte its width: in a font of another code page it writes a width
// more for every lead byte, past the text's end. Measured so, the heap must stay whole.
TEST(TCanvas, MeasuringShiftJisInAWesternFontLeavesTheHeapWhole) {
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(8, 8);
  TCanvas& canvas = picture.Canvas();
  canvas.Font.SetName("DejaVu Sans Mono");
  canvas.Font.SetHeight(16);
  const std::string era = test::Bytes("97 DF 98 61 38 94 4E 35 8C 8E");  // 令和8年5月
  std::vector<int> ends;
  for (int i = 0; i < 50; ++i) {
    canvas.TextExtent(era, ends);
    ASSERT_EQ(_heapchk(), _HEAPOK) << "after measuring " << i + 1 << " times";
  }
  EXPECT_EQ(ends.size(), era.size());
}

// Each kind of call a canvas records, made again from the recording on a picture like the one it
// was recorded on, gives the pixels the call gives when made at once: on a 24-bit picture, where
// blends and copies work on its bytes, and on a 32-bit one, where GDI does them.
TEST(Drawing, MadeAgainItGivesThePixelsOfTheCallsMadeAtOnce) {
  TBitmap source24, source32;
  source24.Adopt(test::MakePatternBitmap(40, 30));
  source32.Adopt(test::MakePatternBitmap(40, 30, 32));
  const struct {
    const char* what;
    std::function<void(TCanvas&)> draw;
  } calls[] = {
      {"outlined texts, one and several",
       [](TCanvas& c) {
         c.Font.SetName("DejaVu Sans Mono");
         c.Font.Color = 0x2040C0;
         c.Outline = {true, 0xFFFFFF, 1};
         c.Brush.Style = BrushStyle::bsClear;
         c.TextOut(5, 3, "Tezun");
         c.TextOut(7, 30, "ab", std::vector<TextStep>{{20, 0}, {-20, 14}});
       }},
      {"a text on its box",
       [](TCanvas& c) {
         c.Brush = {0x00FF00, BrushStyle::bsSolid}, c.TextOut(40, 50, "box");
       }},
      {"figures, filled and hollow",
       [](TCanvas& c) {
         c.Pen = {0x0000FF, PS_INSIDEFRAME, 3};
         c.Brush = {0xFF8000, BrushStyle::bsSolid};
         c.Ellipse({3, 4, 50, 40});
         c.HalfEllipse({60, 4, 90, 40}, true);
         c.Brush.Style = BrushStyle::bsClear;
         c.HalfEllipse({20, 50, 70, 75}, false);
       }},
      {"a fill",
       [](TCanvas& c) {
         c.Brush.Color = 0x123456, c.FillRect({10, 10, 60, 35});
       }},
      {"blends, part off the picture",
       [](TCanvas& c) {
         c.BlendRect({-5, 20, 50, 90}, 0x00FFFF, 37), c.BlendRect({70, 5, 90, 30}, 0x808080, 100);
       }},
      {"copies by each operation",
       [&](TCanvas& c) {
         const DWORD modes[] = {cmSrcCopy, cmMergePaint, cmSrcAnd};
         for (int k = 0; k < 3; ++k) {
           c.CopyMode = modes[k];
           c.CopyRect({5 + 25 * k, 5, 25 + 25 * k, 30}, source24.Canvas(), {k, 2, 20 + k, 27});
         }
       }},
      {"two copies onto one rectangle, as today's mark makes them",
       [&](TCanvas& c) {
         c.CopyMode = cmMergePaint;
         c.CopyRect({30, 20, 67, 47}, source24.Canvas(), {0, 0, 37, 27});
         c.CopyMode = cmSrcAnd;
         c.CopyRect({30, 20, 67, 47}, source32.Canvas(), {3, 2, 40, 29});
       }},
      {"a copy stretched",
       [&](TCanvas& c) {
         c.CopyMode = cmSrcAnd;
         c.CopyRect({10, 40, 80, 70}, source32.Canvas(), {0, 0, 40, 30});
       }},
      {"a copy part off both pictures",
       [&](TCanvas& c) {
         c.CopyMode = cmMergePaint;
         c.CopyRect({70, 60, 110, 90}, source24.Canvas(), {20, 10, 60, 40});
       }},
  };
  for (const int depth : {24, 32}) {
    for (const auto& call : calls) {
      SCOPED_TRACE(testing::Message() << call.what << ", " << depth << " bits");
      TBitmap atOnce, again;
      atOnce.Adopt(test::MakePatternBitmap(100, 80, depth));
      again.Adopt(test::MakePatternBitmap(100, 80, depth));
      call.draw(atOnce.Canvas());
      Drawing drawing;
      {
        const CanvasRecording recording(again.Canvas(), drawing);
        call.draw(again.Canvas());
      }
      EXPECT_FALSE(drawing.Empty());
      const test::Pixels before = test::ReadPixels(again.Handle());
      drawing.DrawOn(again.Canvas());
      const test::Pixels expected = test::ReadPixels(atOnce.Handle()), made = test::ReadPixels(again.Handle());
      EXPECT_FALSE(made == before) << "the calls drew";
      EXPECT_TRUE(made == expected);
    }
  }
}

}  // namespace
}  // namespace tezun
