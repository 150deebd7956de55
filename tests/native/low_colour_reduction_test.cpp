// The JPEG pass through the real libjpeg: sizes, palettes, colours and errors.
#include "core/low_colour_reduction.h"

#include <gtest/gtest.h>
#include <jerror.h>
#include <jpeglib.h>

#include <cmath>
#include <cstdio>
#include <set>

#include "support/bytes.h"

namespace tezun {
namespace {

// A picture of blue-green-red rows, bottom row first as in a Windows bitmap.
struct Picture {
  int width, height;
  std::vector<uint8_t> bytes;
  Picture(int w, int h) : width(w), height(h), bytes(static_cast<size_t>(w) * h * 3) {}
  uint8_t* pixel(int x, int y) { return &bytes[(static_cast<size_t>(height - 1 - y) * width + x) * 3]; }
  BgrRows rows() const {
    return {bytes.data() + static_cast<size_t>(height - 1) * width * 3, -static_cast<ptrdiff_t>(width) * 3, width,
            height};
  }
};

// Smooth gradients with fine detail, like a photograph.
Picture Photograph(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = picture.pixel(x, y);
      p[0] = static_cast<uint8_t>(128 + 100 * std::sin(x * 0.013 + y * 0.007));
      p[1] = static_cast<uint8_t>((x * 255) / std::max(width - 1, 1));
      p[2] = static_cast<uint8_t>(128 + 120 * std::cos(y * 0.021) * std::sin(x * 0.002 + 1));
    }
  }
  return picture;
}

Picture Flat(int width, int height, uint8_t blue, uint8_t green, uint8_t red) {
  Picture picture(width, height);
  for (size_t i = 0; i < picture.bytes.size(); i += 3) {
    picture.bytes[i] = blue;
    picture.bytes[i + 1] = green;
    picture.bytes[i + 2] = red;
  }
  return picture;
}

TEST(ReduceColours, KeepsTheSizeWithAtMost236Colours) {
  const Picture picture = Photograph(320, 200);
  const PalettizedPicture reduced = ReduceColours(picture.rows());
  EXPECT_EQ(reduced.width, 320);
  EXPECT_EQ(reduced.height, 200);
  EXPECT_EQ(reduced.indices.size(), 320u * 200u);
  EXPECT_LE(reduced.palette.size(), 236u);
  EXPECT_GT(reduced.palette.size(), 100u) << "a photograph uses the palette";
  for (uint8_t index : reduced.indices) ASSERT_LT(index, reduced.palette.size());
}

TEST(ReduceColours, FlatPictureNeedsFewColours) {
  const PalettizedPicture reduced = ReduceColours(Flat(64, 48, 30, 160, 90).rows());
  EXPECT_LE(reduced.palette.size(), 8u);
}

TEST(ReduceColours, RedStaysRed) {
  const PalettizedPicture reduced = ReduceColours(Flat(40, 40, 0, 0, 255).rows());
  const auto& colour = reduced.palette.at(reduced.indices[40 * 20 + 20]);
  EXPECT_GT(colour[0], 230) << "red";
  EXPECT_LT(colour[1], 30);
  EXPECT_LT(colour[2], 30) << "not blue";
}

TEST(ReduceColours, RowsAreTakenTopFirst) {
  // Top half blue, bottom half yellow.
  Picture picture = Flat(32, 32, 255, 0, 0);
  for (int y = 16; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      uint8_t* p = picture.pixel(x, y);
      p[0] = 0, p[1] = 255, p[2] = 255;
    }
  }
  const PalettizedPicture reduced = ReduceColours(picture.rows());
  const auto& top = reduced.palette.at(reduced.indices[4 * 32 + 4]);
  const auto& bottom = reduced.palette.at(reduced.indices[28 * 32 + 4]);
  EXPECT_GT(top[2], 200);
  EXPECT_LT(top[0], 60);
  EXPECT_GT(bottom[0], 200);
  EXPECT_GT(bottom[1], 200);
}

TEST(ReduceColours, TinyAndLongPictures) {
  const PalettizedPicture one = ReduceColours(Flat(1, 1, 10, 20, 30).rows());
  EXPECT_EQ(one.width, 1);
  EXPECT_EQ(one.height, 1);
  EXPECT_EQ(one.indices.size(), 1u);
  EXPECT_GE(one.palette.size(), 1u);
  const PalettizedPicture strip = ReduceColours(Photograph(4000, 3).rows());
  EXPECT_EQ(strip.width, 4000);
  EXPECT_EQ(strip.height, 3);
  EXPECT_LE(strip.palette.size(), 236u);
}

TEST(ReduceColours, CodecErrorsCarryTheirCode) {
  auto failure = [](auto&& work) -> EJPEG {
    try {
      work();
    } catch (const EJPEG& error) {
      return error;
    }
    ADD_FAILURE() << "no error";
    return EJPEG(-1);
  };
  const Picture wide(70000, 1);
  const EJPEG tooBig = failure([&] { EncodeJpeg(wide.rows()); });
  EXPECT_EQ(tooBig.code(), JERR_IMAGE_TOO_BIG);
  // "JPEG エラー #<code>"
  EXPECT_EQ(std::string(tooBig.what()),
            "JPEG " + test::Bytes("83 47 83 89 81 5B") + " #" + std::to_string(JERR_IMAGE_TOO_BIG));
  EXPECT_EQ(failure([] { EncodeJpeg(BgrRows{}); }).code(), JERR_EMPTY_IMAGE);

  const uint8_t garbage[] = {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'};
  EXPECT_EQ(failure([&] { DecodeJpegPalettized(garbage); }).code(), JERR_NO_SOI);
  EXPECT_EQ(failure([] { DecodeJpegPalettized({}); }).code(), JERR_INPUT_EMPTY);

  // Cut before its scan the stream is an error; cut within the scan it ends in a warning, which
  // prints nothing, and a picture.
  const JpegData whole = EncodeJpeg(Photograph(64, 64).rows());
  EXPECT_EQ(failure([&] { DecodeJpegPalettized(whole.view().first(200)); }).code(), JERR_SOF_NO_SOS);
  testing::internal::CaptureStderr();
  const PalettizedPicture truncated = DecodeJpegPalettized(whole.view().first(whole.size - 40));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(truncated.width, 64);
}

TEST(EncodeJpeg, IsABaselineJfifStream) {
  const JpegData jpeg = EncodeJpeg(Photograph(16, 16).rows());
  ASSERT_GT(jpeg.size, 20u);
  const auto bytes = jpeg.view();
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);  // start of image
  EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 11), std::string("JFIF\0", 5));
  EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
  EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);  // end of image
  bool baseline = false;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) baseline |= bytes[i] == 0xFF && bytes[i + 1] == 0xC0;  // SOF0
  EXPECT_TRUE(baseline);
}

}  // namespace
}  // namespace tezun
