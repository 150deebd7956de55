// The preview's reduction on real bitmaps: an 8-bit picture with the codec's colours.
#include "render/low_colour_display.h"

#include <gtest/gtest.h>

#include <set>

#include "core/low_colour_reduction.h"
#include "support/pixels.h"

namespace tezun {
namespace {

TEST(ReduceForLowColourDisplay, GivesAnEightBitPictureOfTheSameSize) {
  TBitmap picture;
  picture.Adopt(test::MakePatternBitmap(300, 170));
  ReduceForLowColourDisplay(picture);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(picture.Handle(), sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, 300);
  EXPECT_EQ(section.dsBm.bmHeight, 170);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
  EXPECT_EQ(picture.Format(), PixelFormat::Other);
  const test::Pixels pixels = test::ReadPixels(picture.Handle());
  const std::set<uint32_t> colours(pixels.values.begin(), pixels.values.end());
  EXPECT_GT(colours.size(), 50u);
  EXPECT_LE(colours.size(), 236u);
}

TEST(ReduceForLowColourDisplay, ColoursAndRowOrderSurvive) {
  // Top half red, bottom half blue, in a bottom-up 24-bit bitmap.
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(64, 64);
  picture.Canvas().Brush.Color = 0x0000FF;
  picture.Canvas().FillRect({0, 0, 64, 32});
  picture.Canvas().Brush.Color = 0xFF0000;
  picture.Canvas().FillRect({0, 32, 64, 64});
  ReduceForLowColourDisplay(picture);
  const test::Pixels pixels = test::ReadPixels(picture.Handle());
  const uint32_t top = pixels.at(32, 8), bottom = pixels.at(32, 56);
  EXPECT_GT(top >> 16, 0xE0u) << std::hex << top;
  EXPECT_LT(top & 0xFF, 0x20u) << std::hex << top;
  EXPECT_GT(bottom & 0xFF, 0xE0u) << std::hex << bottom;
  EXPECT_LT(bottom >> 16, 0x20u) << std::hex << bottom;
}

TEST(ReduceForLowColourDisplay, CodecErrorLeavesThePicture) {
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(70000, 1);  // wider than a JPEG picture may be
  HBITMAP before = picture.Handle();
  EXPECT_THROW(ReduceForLowColourDisplay(picture), EJPEG);
  EXPECT_EQ(picture.Handle(), before);
}

TEST(IsLowColourDisplay, AtEightBitsAndBelow) {
  EXPECT_TRUE(IsLowColourDisplay(8));
  EXPECT_TRUE(IsLowColourDisplay(4));
  EXPECT_FALSE(IsLowColourDisplay(16));
  EXPECT_FALSE(IsLowColourDisplay(32));
}

}  // namespace
}  // namespace tezun
