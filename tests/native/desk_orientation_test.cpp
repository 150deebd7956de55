#include <gtest/gtest.h>

#include "desk/orientation.h"

namespace tezun::desk {
namespace {

// A 3 x 2 picture, its pixels numbered as stored:  1 2 3
//                                                   4 5 6
const std::vector<uint32_t> kStored = {1, 2, 3, 4, 5, 6};
constexpr PictureSize kStoredSize{3, 2};

TEST(DeskOrientation, EveryTagAsExifDefinesIt) {
  struct Case {
    uint32_t orientation = 0;
    PictureSize size;
    std::vector<uint32_t> seen;
  };
  const Case cases[] = {
      {1, {3, 2}, {1, 2, 3, 4, 5, 6}},
      {2, {3, 2}, {3, 2, 1, 6, 5, 4}},
      {3, {3, 2}, {6, 5, 4, 3, 2, 1}},
      {4, {3, 2}, {4, 5, 6, 1, 2, 3}},
      {5, {2, 3}, {1, 4, 2, 5, 3, 6}},
      {6, {2, 3}, {4, 1, 5, 2, 6, 3}},  // the top row ends up on the right, read downwards
      {7, {2, 3}, {6, 3, 5, 2, 4, 1}},
      {8, {2, 3}, {3, 6, 2, 5, 1, 4}},  // the top row ends up on the left, read upwards
      {0, {3, 2}, {1, 2, 3, 4, 5, 6}},  // no tag, or one of no meaning: as stored
      {9, {3, 2}, {1, 2, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    const PictureSize size = OrientedSize(kStoredSize, c.orientation);
    EXPECT_EQ(size, c.size) << "tag " << c.orientation;
    EXPECT_EQ(Reorients(c.orientation), c.orientation >= 2 && c.orientation <= 8);
    std::vector<uint32_t> seen(size_t{size.width} * size.height);
    Reorient(kStored.data(), kStoredSize, c.orientation, seen.data(), size.width);
    EXPECT_EQ(seen, c.seen) << "tag " << c.orientation;
  }
}

TEST(DeskOrientation, RowsOfTheTargetMayBeWiderThanThePicture) {
  std::vector<uint32_t> seen(size_t{4} * 3, 0);
  Reorient(kStored.data(), kStoredSize, 6, seen.data(), 4);
  EXPECT_EQ(seen, (std::vector<uint32_t>{4, 1, 0, 0, 5, 2, 0, 0, 6, 3, 0, 0}));
}

}  // namespace
}  // namespace tezun::desk
