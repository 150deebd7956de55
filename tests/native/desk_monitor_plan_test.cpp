#include <gtest/gtest.h>

#include <cstdint>
#include <cwchar>
#include <optional>
#include <vector>

#include "desk/monitor_plan.h"
#include "desk/picture_layout.h"

namespace tezun::desk {
namespace {

const Monitor kPrimary{L"P", {0, 0, 1920, 1080}};

TEST(DeskMonitorPlan, OneMonitorIsTheOnePictureAsEver) {
  for (const bool perMonitor : {false, true}) {
    const CompositionPlan plan = PlanComposition({kPrimary}, perMonitor, true);
    EXPECT_EQ(plan.way, SettingWay::Single);
    EXPECT_EQ(plan.file, (DeskSize{1920, 1080}));
    ASSERT_EQ(plan.parts.size(), 1u);
    EXPECT_TRUE(plan.parts[0].primary);
  }
  // A duplicated display shows one rectangle twice: still one place on the desktop.
  EXPECT_EQ(PlanComposition({kPrimary, {L"Q", kPrimary.rect}}, false, true).way, SettingWay::Single);
}

// Each case: the monitors as found, then where each part goes in the spanned file, primary first.
TEST(DeskMonitorPlan, SpannedAcrossTheVirtualScreen) {
  struct Case {
    const char* what = "";
    std::vector<Monitor> monitors;
    DeskSize file;
    std::vector<DeskPoint> places;
  };
  const Case cases[] = {
      {"side by side", {kPrimary, {L"B", {1920, 0, 3200, 1024}}}, {3200, 1080}, {{0, 0}, {1920, 0}}},
      {"left of the primary, found first", {{L"L", {-1280, 0, 0, 1024}}, kPrimary}, {3200, 1080}, {{1280, 0}, {0, 0}}},
      {"above the primary, portrait", {kPrimary, {L"U", {200, -1920, 1280, 0}}}, {1920, 3000}, {{0, 1920}, {200, 0}}},
      {"three of mixed sizes",
       {kPrimary, {L"R", {1920, 100, 4480, 1540}}, {L"L", {-800, 0, 0, 600}}},
       {5280, 1540},
       {{800, 0}, {2720, 100}, {0, 0}}},
  };
  for (const Case& c : cases) {
    const CompositionPlan plan = PlanComposition(c.monitors, false, true);
    EXPECT_EQ(plan.way, SettingWay::Span) << c.what;
    EXPECT_EQ(plan.file, c.file) << c.what;
    ASSERT_EQ(plan.parts.size(), c.places.size()) << c.what;
    EXPECT_TRUE(plan.parts[0].primary) << c.what;
    for (size_t i = 0; i < c.places.size(); ++i) {
      EXPECT_EQ(plan.parts[i].at, std::vector<DeskPoint>{c.places[i]}) << c.what << ", part " << i;
      EXPECT_EQ(plan.parts[i].primary, i == 0) << c.what;
    }
  }
}

TEST(DeskMonitorPlan, TiledFromThePrimarysCornerWhereWindowsHasNoSpan) {
  // Tiles start at the primary's corner: a monitor left of it shows the file's right end, and one
  // that reaches across the primary's left edge shows both ends.
  const CompositionPlan plan =
      PlanComposition({{L"L", {-1280, 0, 0, 1024}}, kPrimary, {L"U", {-500, -600, 1000, 0}}}, false, false);
  EXPECT_EQ(plan.way, SettingWay::Tile);
  EXPECT_EQ(plan.file, (DeskSize{3200, 1680}));
  ASSERT_EQ(plan.parts.size(), 3u);
  EXPECT_EQ(plan.parts[0].at, (std::vector<DeskPoint>{{0, 0}}));
  EXPECT_EQ(plan.parts[1].at, (std::vector<DeskPoint>{{1920, 0}}));
  EXPECT_EQ(plan.parts[2].at, (std::vector<DeskPoint>{{2700, 1080}, {-500, 1080}}));
}

TEST(DeskMonitorPlan, AFileOfItsOwnForEachMonitorWithTheShell) {
  const CompositionPlan plan = PlanComposition({{L"L", {-1280, 0, 0, 1024}}, kPrimary}, true, true);
  EXPECT_EQ(plan.way, SettingWay::PerMonitor);
  ASSERT_EQ(plan.parts.size(), 2u);
  EXPECT_EQ(plan.parts[0].monitor.id, L"P");
  EXPECT_TRUE(plan.parts[0].primary);
  EXPECT_EQ(plan.parts[1].monitor.id, L"L");
  EXPECT_EQ(plan.parts[1].monitor.rect.width(), 1280);
}

// The plug-in's own examples of its layout: the other monitors are laid out the same way.
TEST(DeskPictureLayout, AsThePlugInLaysItOnTheScreen) {
  struct Case {
    int64_t mw = 0, mh = 0, pw = 0, ph = 0;
    int32_t style1 = 0, style2 = 0;
    PictureLayout expected;
  };
  const Case cases[] = {
      {1024, 768, 800, 600, 0, 0, {false, 112, 84}},    {1024, 768, 1027, 600, 0, 0, {false, -1, 84}},
      {1024, 768, 300, 200, 1, 0, {true, 0, 0}},        {1024, 768, 300, 200, 1, 1, {true, -238, -116}},
      {1024, 768, 512, 200, -1, 7, {true, -256, -116}}, {1024, 768, 1280, 200, 1, 1, {true, -128, -116}},
      {1024, 768, 1024, 768, 1, 1, {true, 0, 0}},       {1280, 1024, 1920, 1080, 0, 0, {false, -320, -28}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayPicture(c.mw, c.mh, c.pw, c.ph, c.style1, c.style2), c.expected) << c.pw << " x " << c.ph;
  }
}

TEST(DeskPictureLayout, StoredValuesReadByThePlugInsRules) {
  struct Case {
    const wchar_t* text = L"";
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {L"0", 0},           {L" 300", 300}, {L"$12C", 300},      {L"0x12C", 300},
      {L"+X12c", 300},     {L"-$1", -1},   {L"$FFFFFFFF", -1},  {L"-2147483648", INT32_MIN},
      {L"2147483648", {}}, {L"300 ", {}},  {L"abc", {}},        {L"", {}},
      {L"-", {}},          {L"0x", {}},    {L"$100000000", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StoredInteger(c.text), c.value) << std::string(c.text, c.text + wcslen(c.text));
  }
}

}  // namespace
}  // namespace tezun::desk
