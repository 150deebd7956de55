// The drawing surface itself, where it must make up for the system it draws on.
#include "graphics/canvas.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "support/bytes.h"

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

}  // namespace
}  // namespace tezun
