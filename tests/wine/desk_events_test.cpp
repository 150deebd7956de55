// The resident TezunDesk and the events the plug-in shows: composed again when a calendar file it
// reads changes, and the subscriptions fetched from a server on 127.0.0.1 in the background, their
// copies kept through every failure. The plug-in's own drawing of events is not looked at: that
// TezunDesk composed again is seen in its count and in its files.
#include <windows.h>
// after windows.h, which it needs
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "desk/desk_folder.h"
#include "desk/file_bytes.h"
#include "desk/plugin_settings_snapshot.h"
#include "desk/resident_menu.h"
#include "desk/subscribe_dialog.h"
#include "desk/subscriptions.h"
#include "desk/texts.h"
#include "support/calendar_server.h"
#include "support/desk_driver.h"
#include "support/dialog_driver.h"

namespace tezun::desk {
namespace {

using test::CalendarServer;
using test::PumpUntil;
using test::ResidentDesk;

const std::string kCalendarOne =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:one\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
const std::string kCalendarTwo =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:two\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// The plug-in's "Events", as its bytes (the ANSI functions give code page 932 here).
std::optional<std::string> PluginEvents() {
  char bytes[4096] = {};
  DWORD size = sizeof bytes;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun\\Option", "Events", RRF_RT_REG_SZ,
                   nullptr, bytes, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(bytes);
}

void SetPluginEvents(const std::wstring& paths) {
  const std::string bytes = *ShiftJis(paths);
  RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun\\Option", "Events", REG_SZ,
                  bytes.c_str(), static_cast<DWORD>(bytes.size() + 1));
}

std::string Text(const std::wstring& path) {
  try {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
  } catch (const DeskError&) {
    return "(none)";
  }
}

// Written in place, as an editor saves.
void Write(const std::wstring& path, const std::string& text) {
  const KernelHandle file(NullWhenInvalid(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// No subscriptions, no "Events", before and after each test.
class DeskEvents : public ResidentDesk {
 protected:
  void SetUp() override {
    Clean();
    // The window of a test before asked this thread to quit: a dialog would end at once.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ResidentDesk::SetUp();
  }
  void TearDown() override {
    ResidentDesk::TearDown();
    Clean();
  }
  static void Clean() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TezunDesk\\Subscriptions");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kPluginOptionKey, L"Events");
  }

  // Fetches, and waits until the window has taken the round in.
  void Fetch() {
    const unsigned before = window_->fetches();
    window_->FetchSubscriptions(false);
    ASSERT_TRUE(PumpUntil([&] { return window_->fetches() > before; })) << "no round of fetches ended";
  }
};

TEST_F(DeskEvents, ComposedWhenACalendarItReadsChanges) {
  const std::wstring folder = test::ScratchFolder();
  const std::wstring other = test::ScratchFolder();
  const std::wstring lone = other + L"\\lone.ics";
  Write(lone, kCalendarOne);
  SetPluginEvents(L" " + folder + L" ; " + lone);
  // The minute's check sees the time stamps of what "Events" names now, and watches its folders.
  window_->Handle(DeskEvent::MinuteCheck);
  const unsigned watched = window_->compositions();
  ASSERT_EQ(watched, 2u) << "the files named are others than the wallpaper was composed with";

  struct Case {
    const char* what;
    std::wstring file;
    bool remove;
    bool composes;
  };
  const Case cases[] = {
      {"a calendar added to a folder named", folder + L"\\work.ics", false, true},
      {"it written again", folder + L"\\work.ics", false, true},
      {"another kind of file in that folder", folder + L"\\notes.txt", false, false},
      {"the file named written again", lone, false, true},
      {"a calendar beside the file named, which is not", other + L"\\beside.ics", false, false},
      {"a calendar removed from the folder", folder + L"\\work.ics", true, true},
  };
  for (const Case& c : cases) {
    const unsigned compositions = window_->compositions();
    const unsigned handled = window_->handled();
    if (c.remove) {
      DeleteFileW(c.file.c_str());
    } else {
      Write(c.file, c.what);
    }
    // The folder's change notification makes the window look within seconds; whether it composed
    // is then decided.
    EXPECT_TRUE(PumpUntil([&] { return window_->handled() > handled; })) << c.what << ": not seen";
    EXPECT_EQ(window_->compositions(), compositions + (c.composes ? 1 : 0)) << c.what;
  }

  // Seen at the minute's check too, once: the notification that follows finds it composed.
  const unsigned compositions = window_->compositions();
  const unsigned handled = window_->handled();
  Write(lone, kCalendarTwo);
  window_->Handle(DeskEvent::MinuteCheck);
  EXPECT_EQ(window_->compositions(), compositions + 1) << "the minute's check did not see the file written";
  EXPECT_TRUE(PumpUntil([&] { return window_->handled() > handled + 1; })) << "the notification did not come";
  EXPECT_EQ(window_->compositions(), compositions + 1) << "one change composed twice";
}

TEST_F(DeskEvents, ASubscriptionFetchedConditionallyAndKeptThroughFailures) {
  CalendarServer server;
  ASSERT_NE(server.port(), 0) << "no port on 127.0.0.1";
  // The secret part of a subscription's address, as Google's has one: it must never reach the log.
  const std::wstring address = L"http://127.0.0.1:" + std::to_wstring(server.port()) + L"/private-7f3a9c/basic.ics";
  const Subscription subscription = Subscribe(address);
  const std::wstring copy = CalendarFile(CalendarsFolder(), subscription.id);
  ASSERT_EQ(PluginEvents(), *ShiftJis(CalendarsFolder())) << "the folder of the copies is not in the plug-in's Events";
  const std::wstring log = DeskFolder() + L"\\TezunDesk.log";

  struct Case {
    const char* what;
    test::ServerAnswer answer;
    bool stop;         // the server stopped: the connection is refused
    std::string kept;  // the copy afterwards
    bool composes;
    bool fails;  // said in the tip and the log
  };
  const Case cases[] = {
      {"the first answer",
       {200, "\"one\"", "Last-Modified: Tue, 08 Dec 2026 10:00:00 GMT\r\n", kCalendarOne},
       false,
       kCalendarOne,
       true,
       false},
      {"not modified (304)", {200, "\"one\"", "", kCalendarOne}, false, kCalendarOne, false, false},
      {"an error page",
       {200, "", "Content-Type: text/html\r\n", "<html><body>Sign in</body></html>"},
       false,
       kCalendarOne,
       false,
       true},
      {"a server's error", {503, "", "", ""}, false, kCalendarOne, false, true},
      {"more than 50 MB", {200, "", "Content-Length: 60000000\r\n", ""}, false, kCalendarOne, false, true},
      {"a changed calendar", {200, "\"two\"", "", kCalendarTwo}, false, kCalendarTwo, true, false},
      {"a refused connection", {}, true, kCalendarTwo, false, true},
  };
  for (const Case& c : cases) {
    if (c.stop) {
      server.Stop();
    } else {
      server.Answer(c.answer);
    }
    const unsigned compositions = window_->compositions();
    Fetch();
    EXPECT_EQ(Text(copy), c.kept) << c.what;
    if (c.composes) {
      EXPECT_TRUE(PumpUntil([&] { return window_->compositions() > compositions; })) << c.what << ": not composed";
    }
    const std::wstring& tip = window_->tray().status();
    EXPECT_EQ(tip.find(Wide(kCannotFetch)) != std::wstring::npos, c.fails) << c.what << ": the tip is wrong";
    if (c.fails) {
      const std::string lines = Text(log);
      const std::string last = lines.substr(lines.rfind("\r\n", lines.size() - 3) + 2);
      EXPECT_NE(last.find("(resident)"), std::string::npos) << c.what << ": not in the log";
      EXPECT_EQ(lines.find("private-7f3a9c"), std::string::npos) << c.what << ": the address is in the log";
    }
  }
  // What was asked: conditionally once a copy was kept, never without one.
  const std::vector<std::string> requests = server.Requests();
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[0].find("If-None-Match"), std::string::npos);
  EXPECT_NE(requests[1].find("If-None-Match: \"one\"\r\n"), std::string::npos) << requests[1];
  EXPECT_NE(requests[1].find("If-Modified-Since: Tue, 08 Dec 2026 10:00:00 GMT\r\n"), std::string::npos);

  Unsubscribe(address);
  EXPECT_EQ(Text(copy), "(none)") << "the copy stays after the subscription";
  EXPECT_EQ(PluginEvents(), std::nullopt) << "the folder of the copies stays named with no subscription left";
}

TEST_F(DeskEvents, TheMenusDialogSubscribesAndEnds) {
  CalendarServer server;
  server.Answer({200, "\"a\"", "", kCalendarOne});
  const std::wstring address = L"webcal://127.0.0.1:" + std::to_wstring(server.port()) + L"/a.ics";
  const HWND resident = window_->handle();
  // A person types an address TezunDesk cannot use, is told why, then one it can.
  std::string refusal;
  std::thread user([&] {
    const HWND dialog = tezun::test::WaitForTopWindow("#32770", resident);
    SetDlgItemTextW(dialog, kAddressBox, L"http://example.org/a.ics");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    refusal = tezun::test::DismissMessageBox(dialog).value_or("");
    SetDlgItemTextW(dialog, kAddressBox, address.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  const unsigned fetches = window_->fetches();
  SendMessageW(resident, WM_COMMAND, kSubscribe, 0);
  user.join();
  EXPECT_NE(refusal.find(kAddressPlainHttp), std::string::npos) << refusal;
  const std::vector<Subscription> subscribed = StoredSubscriptions();
  ASSERT_EQ(subscribed.size(), 1u);
  EXPECT_EQ(subscribed[0].address, L"https" + address.substr(6)) << "webcal is stored as what it is";
  // An https address to a server of plain http fails, and a person asked: a message box says so.
  std::thread told([&] { refusal = tezun::test::DismissMessageBox(resident).value_or(""); });
  EXPECT_TRUE(PumpUntil([&] { return window_->fetches() > fetches; }));
  told.join();
  EXPECT_NE(refusal.find(kNothingFetchedYet), std::string::npos) << refusal;

  // The address picked from the list, and ended.
  std::thread ending([&] {
    const HWND dialog = tezun::test::WaitForTopWindow("#32770", resident);
    SendDlgItemMessageW(dialog, kAddressBox, CB_SETCURSEL, 0, 0);
    PostMessageW(dialog, WM_COMMAND, kUnsubscribeButton, 0);
  });
  SendMessageW(resident, WM_COMMAND, kSubscribe, 0);
  ending.join();
  EXPECT_TRUE(StoredSubscriptions().empty());
}

}  // namespace
}  // namespace tezun::desk
