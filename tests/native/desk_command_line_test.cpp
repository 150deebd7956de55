#include <gtest/gtest.h>

#include "desk/command_line.h"

namespace tezun::desk {
namespace {

using Arguments = std::vector<std::wstring>;

TEST(DeskCommandLine, EverySwitchAndItsValue) {
  struct Case {
    Arguments arguments;
    DeskCommand command = DeskCommand::Resident;
    std::wstring picture;
    bool alsoOnce = false, autostart = false;
    std::wstring address;
  };
  const Case cases[] = {
      {{}, DeskCommand::Resident, L"", false, false},
      {{L"/once"}, DeskCommand::Once, L"", false, false},
      {{L"-ONCE"}, DeskCommand::Once, L"", false, false},
      {{L"/picture", L"C:\\写真\\a b.jpg"}, DeskCommand::Picture, L"C:\\写真\\a b.jpg", false, false},
      {{L"/picture", L"a.png", L"/once"}, DeskCommand::Picture, L"a.png", true, false},
      {{L"/once", L"/Picture", L"a.png"}, DeskCommand::Picture, L"a.png", true, false},
      {{L"/settings"}, DeskCommand::Settings, L"", false, false},
      {{L"/autostart", L"on"}, DeskCommand::Autostart, L"", false, true},
      {{L"/autostart", L"OFF"}, DeskCommand::Autostart, L"", false, false},
      {{L"/restore"}, DeskCommand::Restore, L"", false, false},
      {{L"/subscribe", L"webcal://example.org/a b"},
       DeskCommand::Subscribe,
       L"",
       false,
       false,
       L"webcal://example.org/a b"},
      {{L"-UNSUBSCRIBE", L"https://example.org/"},
       DeskCommand::Unsubscribe,
       L"",
       false,
       false,
       L"https://example.org/"},
  };
  for (const Case& c : cases) {
    const auto request = ParseCommandLine(c.arguments);
    ASSERT_TRUE(request.has_value()) << c.arguments.size() << " arguments";
    EXPECT_EQ(request->command, c.command);
    EXPECT_EQ(request->picture, c.picture);
    EXPECT_EQ(request->alsoOnce, c.alsoOnce);
    EXPECT_EQ(request->autostart, c.autostart);
    EXPECT_EQ(request->address, c.address);
  }
}

TEST(DeskCommandLine, TheLogNeverNamesAnAddress) {
  DeskRequest request;
  request.command = DeskCommand::Subscribe;
  request.address = L"https://calendar.google.com/calendar/ical/x/private-secret/basic.ics";
  EXPECT_EQ(RunName(request), L"/subscribe");
  request.command = DeskCommand::Unsubscribe;
  EXPECT_EQ(RunName(request), L"/unsubscribe");
}

TEST(DeskCommandLine, AnythingElseIsRefused) {
  const Arguments refused[] = {
      {L"once"},
      {L"/"},
      {L"/frobnicate"},
      {L"/picture"},
      {L"/picture", L""},
      {L"/autostart"},
      {L"/autostart", L"maybe"},
      {L"/once", L"/once"},
      {L"/once", L"/restore"},
      {L"/settings", L"/picture", L"a.png"},
      {L"/picture", L"a.png", L"/picture", L"b.png"},
      {L"/restore", L"extra"},
      {L"/subscribe"},
      {L"/subscribe", L"https://a/", L"/unsubscribe", L"https://a/"},
      {L"/subscribe", L"https://a/", L"/once"},
  };
  for (const Arguments& arguments : refused) {
    EXPECT_FALSE(ParseCommandLine(arguments).has_value()) << std::string(arguments[0].begin(), arguments[0].end());
  }
}

}  // namespace
}  // namespace tezun::desk
