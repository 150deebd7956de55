#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "desk/autostart_state.h"
#include "desk/command_line.h"
#include "desk/desk_log.h"
#include "desk/picture_choice.h"

namespace tezun::desk {
namespace {

TEST(DeskAutostart, OnlyWhatTaskManagerLeftEnabledStarts) {
  using Bytes = std::optional<std::vector<uint8_t>>;
  struct Case {
    bool run = false;
    Bytes approved;
    bool starts = false;
  };
  const Case cases[] = {
      {true, std::nullopt, true},
      {true, std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},
      {true, std::vector<uint8_t>{6, 0, 0, 0}, true},
      {true, std::vector<uint8_t>{3, 0, 0, 0, 0x10, 0x52, 0x9e, 0x4d, 0x7a, 0x6b, 0xdb, 0x01}, false},
      {true, std::vector<uint8_t>{7}, false},
      {true, std::vector<uint8_t>{}, true},
      {false, std::nullopt, false},
      {false, std::vector<uint8_t>{2}, false},  // enabled, but there is nothing to start
  };
  for (const Case& c : cases) EXPECT_EQ(StartsWithWindows(c.run, c.approved), c.starts);
}

TEST(DeskLog, ALineSaysWhenHowAndWhat) {
  const LocalClock when{{2026, 12, 9}, 7, 5, 3, 999};
  EXPECT_EQ(LogLine(when, L"/once", L"壁紙の画像を読み込めません: C:\\a.png\nファイルがありません。"),
            L"2026-12-09 07:05:03 /once: 壁紙の画像を読み込めません: C:\\a.png / ファイルがありません。\r\n");
}

TEST(DeskLog, TheOldestLinesGoFirstAndTheFileStaysUnderItsBound) {
  std::string log;
  constexpr size_t kLimit = 1000;
  for (int i = 0; i < 100; ++i) {
    const std::string line = "line " + std::to_string(i) + " ログ\r\n";
    log = BoundedLog(log, line, kLimit);
    ASSERT_LT(log.size(), kLimit);
    ASSERT_TRUE(log.ends_with(line));
  }
  EXPECT_TRUE(log.starts_with("line ")) << "whole lines are dropped";
  EXPECT_EQ(log.find("line 5 "), std::string::npos);
  // A line that alone is over the bound is cut, never within a character (3 bytes each here).
  EXPECT_EQ(BoundedLog(log, "あああああ\r\n", 10), "ああ\r\n");
}

TEST(DeskCommandLine, WhatNobodyMayBeThereToAnswer) {
  EXPECT_TRUE(Unattended({L"/ONCE"}));
  EXPECT_TRUE(Unattended({L"-once", L"/frobnicate"})) << "understood or not";
  EXPECT_FALSE(Unattended({L"/settings"}));
  EXPECT_EQ(RunName(*ParseCommandLine({L"/picture", L"a.png", L"/once"})), L"/picture /once");
  EXPECT_EQ(RunName(*ParseCommandLine({})), L"(resident)");
}

TEST(DeskPictureChoice, EachMonitorHasTwoNamesOfItsOwn) {
  const std::wstring folder = L"C:\\TezunDesk";
  EXPECT_EQ(NextOutputPath(folder, L"", 1), folder + L"\\TezunDesk-1.monitor2.bmp");
  EXPECT_EQ(NextOutputPath(folder, folder + L"\\TezunDesk-1.monitor2.bmp", 1), folder + L"\\TezunDesk-2.monitor2.bmp");
  EXPECT_EQ(NextOutputPath(folder, folder + L"\\TezunDesk-1.bmp", 2), folder + L"\\TezunDesk-1.monitor3.bmp");
}

}  // namespace
}  // namespace tezun::desk
