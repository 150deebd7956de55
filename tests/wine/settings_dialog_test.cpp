// The settings dialog and the whole settings sequence, as SettingPlugIn runs them, driven from a
// second thread as a user would: clicks, the common dialogs, the preview, OK and Cancel.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which they need
#include <colordlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "forms/calendar_options.h"
#include "forms/own_days_editor.h"
#include "forms/setoption.h"
#include "forms/window.h"
#include "graphics/bitmap.h"
#include "graphics/screen.h"
#include "plugin/exports.h"
#include "plugin/win32_registry.h"
#include "process_resources.h"
#include "render/today.h"
#include "support/appearance_recorder.h"
#include "support/bytes.h"
#include "support/dialog_driver.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"
#include "support/text_fit.h"
#include "support/ui_driver.h"

namespace tezun {
namespace {

using namespace std::chrono_literals;
using test::ClickControl;
using test::IsControlChecked;
using test::IsControlEnabled;
using Id = TfrmSetting::Control;

constexpr COLORREF kGrey = RGB(128, 128, 128);

HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(width, height);
  picture.Canvas().Brush.Color = static_cast<int32_t>(colour);
  picture.Canvas().FillRect({0, 0, width, height});
  return picture.Detach();
}

// Pixels of a picture that are not the given colour, in a rectangle.
int InkIn(const test::Pixels& pixels, RECT r, uint32_t paper) {
  int ink = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) ink += pixels.at(x, y) != paper;
  }
  return ink;
}

// Chooses item `item` (1 a file, 2 a folder) of the menu under the options' "追加..." and answers
// the dialog it opens with `answer`, waiting until that dialog is gone.
void AddThroughMenu(HWND options, int item, const std::function<void(HWND)>& answer) {
  ClickControl(options, TfrmCalendarOptions::btnAddEvents);
  ASSERT_NE(test::WaitForTopWindow("#32768"), nullptr) << "no menu";
  for (int i = 0; i < item; ++i) test::PressKey(VK_DOWN);
  test::PressKey(VK_RETURN);
  HWND chooser = test::WaitForTopWindow("#32770", options);
  ASSERT_NE(chooser, nullptr) << "no dialog for item " << item;
  answer(chooser);
  test::WaitUntil([&] { return !IsWindow(chooser); });
  test::WaitUntilIdle(options);
}

// An answer to the Open dialog: `path` typed in, then Open.
std::function<void(HWND)> OpenPath(const std::wstring& path) {
  return [path](HWND chooser) {
    SetDlgItemTextW(chooser, cmb13, path.c_str());
    SetDlgItemTextW(chooser, edt1, path.c_str());
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
  };
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() { FixTodayForTesting(DateOf(std::chrono::year{2026} / 5 / 13)); }
  void TearDown() override {
    FixTodayForTesting(std::nullopt);
    FixDisplayDepthForTesting(std::nullopt);
    FailRegistryWritesForTesting(nullptr);
    FailBitmapCreationForTesting(std::nullopt);
  }

  // Runs SettingPlugIn on `wallpaper` while `user` works the dialog from another thread. A dialog
  // still open a minute on is closed by force, and the test fails.
  void Run(HBITMAP wallpaper, const std::function<void(HWND dialog)>& user) {
    std::atomic<bool> returned = false;
    std::thread other([&] {
      dialog_ = test::WaitForTopWindow(kSettingClass);
      calender_ = test::FindTopWindow(kCalenderClass);
      ASSERT_NE(dialog_, nullptr) << "the dialog did not open";
      user(dialog_);
      if (!test::WaitUntil([&] { return returned.load(); }, 60s)) {
        ADD_FAILURE() << "the dialog did not close";
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
      }
    });
    EXPECT_EQ(SettingPlugIn(nullptr, sandbox_.HostKey().c_str(), wallpaper), 0);
    returned = true;
    other.join();
  }

  std::string Stored(const std::string& section, const std::string& name) {
    const auto value = sandbox_.Get(section, name);
    if (!value) return "(none)";
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << section << "/" << name;
    return value->data.substr(0, value->data.find('\0'));
  }

  void ExpectNoWindowLeft() {
    EXPECT_FALSE(IsWindow(dialog_)) << "the dialog is left";
    EXPECT_FALSE(IsWindow(calender_)) << "the placement window is left";
    EXPECT_EQ(test::FindTopWindow(kPreviewClass), nullptr);
  }

  test::RegistrySandbox sandbox_;
  HWND dialog_ = nullptr;
  HWND calender_ = nullptr;
};

// The system draws the caption buttons' symbols (the close box's cross) with the Marlett face:
// without it the dialog's close box, here and in the README's picture, shows a letter instead.
TEST_F(SettingsDialogTest, CaptionButtonsHaveTheirSymbolFace) {
  FontHandle marlett(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett"));
  ASSERT_TRUE(marlett);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, marlett.get());
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen, sizeof face, face);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(std::string(face), "Marlett");
}

TEST_F(SettingsDialogTest, OpensAtTheOriginWithoutAStoredPosition) {
  RECT bounds{-1, -1, -1, -1};
  Run(nullptr, [&](HWND dialog) {
    GetWindowRect(dialog, &bounds);
    ClickControl(dialog, Id::btnCancel);
  });
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  ExpectNoWindowLeft();
}

TEST_F(SettingsDialogTest, OpensAtTheStoredPositionWithItsCaptionAndSize) {
  sandbox_.PutText("Position", "Top", "50");
  sandbox_.PutText("Position", "Left", "70");
  RECT bounds{}, client{};
  std::string caption(64, '\0');
  Run(nullptr, [&](HWND dialog) {
    GetWindowRect(dialog, &bounds);
    GetClientRect(dialog, &client);
    caption.resize(GetWindowTextA(dialog, caption.data(), static_cast<int>(caption.size())));
    ClickControl(dialog, Id::btnCancel);
  });
  EXPECT_EQ(bounds.left, 70);
  EXPECT_EQ(bounds.top, 50);
  EXPECT_EQ(client.right, 362);
  EXPECT_EQ(client.bottom, 339);
  EXPECT_EQ(caption, test::Bytes("83 4A 83 8C 83 93 83 5F 81 5B 82 CC 90 DD 92 E8"));  // カレンダーの設定
  EXPECT_EQ(Stored("Position", "Top"), "50");
  EXPECT_EQ(Stored("Position", "Left"), "70");
}

TEST_F(SettingsDialogTest, ShowingRunsTheHandlersOfTheStoredCentredState) {
  sandbox_.PutText("Option", "Style1", "0");
  sandbox_.PutText("Option", "TodayStyle", "0");
  sandbox_.PutText("Option", "DayOfWeekStyle", "5");
  Run(nullptr, [&](HWND dialog) {
    EXPECT_TRUE(IsControlChecked(dialog, Id::optCenter));
    EXPECT_FALSE(IsControlChecked(dialog, Id::optTile));
    EXPECT_FALSE(IsControlChecked(dialog, Id::chkCenter));
    EXPECT_FALSE(IsControlEnabled(dialog, Id::chkCenter));
    EXPECT_TRUE(IsControlChecked(dialog, Id::rgTodayColorTransparent));
    EXPECT_FALSE(IsControlEnabled(dialog, Id::btnTodayColor));
    EXPECT_TRUE(IsControlChecked(dialog, Id::rgDayOfWeekEnglish));
    EXPECT_FALSE(IsControlChecked(dialog, Id::rgDayOfWeekJapanese));
    EXPECT_TRUE(IsWindowVisible(test::FindTopWindow(kCalenderClass)));
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(Stored("Option", "Style1"), "0");
  EXPECT_EQ(Stored("Option", "TodayStyle"), "0");
  EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), "1") << "a stored 5 is held as 1";
}

TEST_F(SettingsDialogTest, ShowingRunsTheHandlersOfTheStoredTiledState) {
  sandbox_.PutText("Option", "Style1", "7");
  sandbox_.PutText("Option", "Style2", "3");
  sandbox_.PutText("Option", "TodayStyle", "1");
  Run(nullptr, [&](HWND dialog) {
    EXPECT_TRUE(IsControlChecked(dialog, Id::optTile));
    EXPECT_TRUE(IsControlChecked(dialog, Id::chkCenter));
    EXPECT_TRUE(IsControlEnabled(dialog, Id::chkCenter));
    EXPECT_TRUE(IsControlChecked(dialog, Id::rgTodayColorColoured));
    EXPECT_TRUE(IsControlEnabled(dialog, Id::btnTodayColor));
    EXPECT_TRUE(IsControlChecked(dialog, Id::rgDayOfWeekJapanese));
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(Stored("Option", "Style1"), "1");
  EXPECT_EQ(Stored("Option", "Style2"), "1");
  EXPECT_EQ(Stored("Option", "TodayStyle"), "1");
  EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), "0");
}

// Nothing is seen before it is ready: each window, each time it appears, is where it belongs and
// shows the settings already: the dialog at its stored position with its controls set from them,
// the placement window at its stored rectangle, the preview over the whole screen.
TEST_F(SettingsDialogTest, EveryWindowAppearsReadyWhereItBelongs) {
  sandbox_.PutText("Position", "Top", "50");
  sandbox_.PutText("Position", "Left", "70");
  sandbox_.PutText("Option", "Style1", "1");
  sandbox_.PutText("Option", "Style2", "1");
  sandbox_.PutText("Option", "TodayStyle", "1");
  sandbox_.PutText("Option", "DayOfWeekStyle", "1");
  sandbox_.PutText("Option", "Left", "500");
  sandbox_.PutText("Option", "Top", "300");
  sandbox_.PutText("Option", "Width", "210");
  sandbox_.PutText("Option", "Height", "180");
  // Whether each control that the stored settings set is as they say.
  std::vector<std::vector<bool>> dialogStates;
  const test::AppearanceRecorder recorder([&](HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != kSettingClass) return;
    dialogStates.push_back({IsControlChecked(window, Id::optTile), IsControlChecked(window, Id::chkCenter),
                            IsControlEnabled(window, Id::chkCenter), IsControlChecked(window, Id::rgTodayColorColoured),
                            IsControlEnabled(window, Id::btnTodayColor),
                            IsControlChecked(window, Id::rgDayOfWeekEnglish)});
  });
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  Run(SolidBitmap(width, height, kGrey), [&](HWND dialog) {
    ClickControl(dialog, Id::btnPreview);
    HWND preview = test::WaitForTopWindow(kPreviewClass);
    ASSERT_NE(preview, nullptr);
    PostMessageA(preview, WM_LBUTTONUP, 0, 0);
    test::WaitUntil([&] { return IsWindowVisible(calender_) != FALSE; });
    ClickControl(dialog, Id::btnCancel);
  });

  const auto dialogs = recorder.Of(kSettingClass);
  EXPECT_FALSE(dialogs.empty());
  for (const test::Appearance& shown : dialogs) {
    EXPECT_EQ(shown.bounds.left, 70);
    EXPECT_EQ(shown.bounds.top, 50);
  }
  EXPECT_EQ(dialogStates.size(), dialogs.size());
  for (const auto& states : dialogStates) EXPECT_EQ(states, std::vector<bool>(states.size(), true));

  const auto placements = recorder.Of(kCalenderClass);
  EXPECT_GE(placements.size(), 2u) << "on opening and after the preview";
  for (const test::Appearance& shown : placements) {
    EXPECT_EQ(shown.bounds.left, 500);
    EXPECT_EQ(shown.bounds.top, 300);
    EXPECT_EQ(shown.client.cx, 210);
    EXPECT_EQ(shown.client.cy, 180);
  }

  const auto previews = recorder.Of(kPreviewClass);
  EXPECT_FALSE(previews.empty());
  for (const test::Appearance& shown : previews) {
    EXPECT_EQ(shown.bounds.left, 0);
    EXPECT_EQ(shown.bounds.top, 0);
    EXPECT_EQ(shown.bounds.right, width);
    EXPECT_EQ(shown.bounds.bottom, height);
  }
}

// The layout is given at 96 dots per inch and scales with the screen's density as the form does:
// every position and size, and the two fonts, by LOGPIXELSY / 96 rounded as MulDiv rounds (at 144
// the client area is 543 x 509, OK at (420, 12), the font 18 pixels high). The radio sets lay out
// their items from their own height and their font's. The placement window is in wallpaper pixels.
// density_test.sh runs this at 96, 120 and 144 and says which in TEZUN_EXPECTED_DPI; the main
// prefix runs it at its 96.
TEST_F(SettingsDialogTest, LayoutFollowsTheScreenDensity) {
  const int dpi = ScreenPixelsPerInch();
  char expectedDpi[16] = {};
  if (GetEnvironmentVariableA("TEZUN_EXPECTED_DPI", expectedDpi, sizeof expectedDpi) > 0) {
    ASSERT_EQ(std::to_string(dpi), expectedDpi) << "the density the prefix was set to";
  }
  auto scaled = [&](LONG value) { return static_cast<LONG>(MulDiv(value, dpi, 96)); };
  struct Placed {
    Id id;
    RECT at96;  // left, top, width, height in the dialog's client area
  };
  const Placed layout[] = {
      {Id::gbWallpaper, {8, 8, 265, 73}},     {Id::optCenter, {24, 24, 89, 17}},
      {Id::optTile, {24, 40, 89, 17}},        {Id::chkCenter, {56, 56, 121, 17}},
      {Id::gbCarender, {8, 88, 265, 241}},    {Id::rgDayOfWeek, {16, 104, 121, 49}},
      {Id::rgTodayColor, {16, 160, 121, 49}}, {Id::btnTodayColor, {88, 188, 41, 17}},
      {Id::gbFont, {144, 104, 121, 185}},     {Id::btnDayOfWeek, {152, 128, 105, 25}},
      {Id::btnWeekDay, {152, 160, 105, 25}},  {Id::btnSaturday, {152, 192, 105, 25}},
      {Id::btnSunday, {152, 224, 105, 25}},   {Id::btnHoliday, {152, 256, 105, 25}},
      {Id::Memo1, {16, 216, 121, 105}},       {Id::btnOK, {280, 8, 75, 25}},
      {Id::btnCancel, {280, 40, 75, 25}},     {Id::btnOptions, {280, 240, 75, 25}},
      {Id::btnBGColor, {280, 272, 75, 25}},   {Id::btnPreview, {280, 304, 75, 25}},
  };
  sandbox_.PutText("Option", "Left", "500");
  sandbox_.PutText("Option", "Top", "300");
  sandbox_.PutText("Option", "Width", "210");
  sandbox_.PutText("Option", "Height", "180");
  auto placed = [](HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  auto fontHeight = [](HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
  };
  auto textHeight = [](HWND control) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
  };
  auto same = [](const RECT& a, const RECT& b) {
    return testing::Message() << "(" << a.left << ", " << a.top << ") " << a.right << " x " << a.bottom << ", not ("
                              << b.left << ", " << b.top << ") " << b.right << " x " << b.bottom;
  };
  Run(nullptr, [&](HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, scaled(362));
    EXPECT_EQ(client.bottom, scaled(339));
    for (const Placed& control : layout) {
      const RECT expected{scaled(control.at96.left), scaled(control.at96.top), scaled(control.at96.right),
                          scaled(control.at96.bottom)};
      const RECT actual = placed(dialog, control.id);
      EXPECT_TRUE(EqualRect(&actual, &expected)) << "control " << control.id << " at " << same(actual, expected);
      EXPECT_EQ(fontHeight(GetDlgItem(dialog, control.id)), -scaled(control.id == Id::Memo1 ? 11 : 12))
          << "control " << control.id;
    }
    // A radio set's items share its height below the caption: (height - caption - 5) / 2 each.
    for (Id group : {Id::rgDayOfWeek, Id::rgTodayColor}) {
      const RECT frame = placed(dialog, group);
      const LONG caption = textHeight(GetDlgItem(dialog, group)), space = frame.bottom - caption - 5;
      for (int i = 0; i < 2; ++i) {
        const int id = group + 1 + i;
        const RECT expected{frame.left + scaled(8), frame.top + caption + 1 + space % 2 / 2 + i * (space / 2),
                            frame.right - scaled(10), space / 2};
        const RECT actual = placed(dialog, id);
        EXPECT_TRUE(EqualRect(&actual, &expected)) << "item " << id << " at " << same(actual, expected);
        EXPECT_EQ(fontHeight(GetDlgItem(dialog, id)), -scaled(12));
      }
    }
    RECT calendar{};
    GetClientRect(calender_, &calendar);
    EXPECT_EQ(calendar.right, 210) << "wallpaper pixels at any density";
    EXPECT_EQ(calendar.bottom, 180);
    // The options window follows the density as the dialog does.
    ClickControl(dialog, Id::btnOptions);
    HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
    ASSERT_NE(options, nullptr);
    GetClientRect(options, &client);
    EXPECT_EQ(client.right, scaled(609));
    EXPECT_EQ(client.bottom, scaled(407));
    const RECT ok = placed(options, IDOK);
    const RECT expectedOk{scaled(256), scaled(8), scaled(75), scaled(25)};
    EXPECT_TRUE(EqualRect(&ok, &expectedOk)) << "OK at " << same(ok, expectedOk);
    EXPECT_EQ(fontHeight(GetDlgItem(options, IDOK)), -scaled(12));
    PostMessageA(options, WM_CLOSE, 0, 0);
    test::WaitUntil([&] { return !IsWindow(options); });
    ClickControl(dialog, Id::btnCancel);
  });
}

// Every caption of the three dialogs, and the advice text, shows all of its words: it fits inside
// its control, or the control scrolls with a visible scroll bar. density_test.sh runs it at 120 and
// 144 dots per inch as well; the main prefix at its 96. September has the longest month in English.
TEST_F(SettingsDialogTest, EveryTextFitsItsControl) {
  FixTodayForTesting(DateOf(std::chrono::year{2026} / 9 / 30));
  sandbox_.PutText("Option", "Left", "600");
  std::string settings = "not measured", options = "not measured", ownDays = "not measured";
  Run(nullptr, [&](HWND dialog) {
    settings = test::TextsThatDoNotFit(dialog);
    ClickControl(dialog, Id::btnOptions);
    HWND optionsWindow = test::WaitForTopWindow(kOptionsClass, dialog);
    ASSERT_NE(optionsWindow, nullptr);
    options = test::TextsThatDoNotFit(optionsWindow);
    ClickControl(optionsWindow, TfrmCalendarOptions::btnOwnDays);
    HWND editor = test::WaitForTopWindow(kOwnDaysClass, optionsWindow);
    ASSERT_NE(editor, nullptr);
    ownDays = test::TextsThatDoNotFit(editor);
    for (HWND window : {editor, optionsWindow}) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      test::WaitUntil([&] { return !IsWindow(window); });
    }
    ClickControl(dialog, Id::btnCancel);
  });
  EXPECT_EQ(settings, "") << "the settings dialog";
  EXPECT_EQ(options, "") << "the calendar's options";
  EXPECT_EQ(ownDays, "") << "the own days";
}

// At their default positions the two overlap; the placement window, topmost, is what is seen
// there: on the screen itself, not only in the windows' order.
TEST_F(SettingsDialogTest, ThePlacementWindowIsSeenAboveTheDialog) {
  int white = 0;
  Run(nullptr, [&](HWND dialog) {
    test::WaitUntilIdle(dialog);
    RECT client{};
    GetClientRect(calender_, &client);
    MapWindowPoints(calender_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    HDC screen = GetDC(nullptr);
    for (LONG y = client.top; y < client.bottom; y += 4) {
      for (LONG x = client.left; x < client.right; x += 4) white += GetPixel(screen, x, y) == RGB(255, 255, 255);
    }
    ReleaseDC(nullptr, screen);
    ClickControl(dialog, Id::btnCancel);
  });
  EXPECT_GT(white, 50 * 50 / 2) << "the calendar's white background, not the dialog";
}

TEST_F(SettingsDialogTest, TabFollowsTheDialogsOrderAndSkipsWhatIsDisabled) {
  sandbox_.PutText("Option", "TodayStyle", "1");  // the choose button, above the item it overlaps, is a stop
  std::vector<int> visited;
  Run(nullptr, [&](HWND dialog) {
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    auto focused = [&] {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(thread, &info);
      return GetDlgCtrlID(info.hwndFocus);
    };
    ClickControl(dialog, Id::rgDayOfWeekEnglish);  // focused, and its set is entered there from now on
    for (int i = 0; i < 14; ++i) {
      PostMessageA(GetDlgItem(dialog, focused()), WM_KEYDOWN, VK_TAB, 0);
      test::WaitUntilIdle(dialog);
      visited.push_back(focused());
    }
    ClickControl(dialog, Id::btnCancel);
  });
  // Centred: chkCenter is disabled and passed over.
  EXPECT_EQ(visited,
            (std::vector<int>{Id::rgTodayColorColoured, Id::btnTodayColor, Id::btnDayOfWeek, Id::btnWeekDay,
                              Id::btnSaturday, Id::btnSunday, Id::btnHoliday, Id::btnOK, Id::btnCancel, Id::btnOptions,
                              Id::btnBGColor, Id::btnPreview, Id::optCenter, Id::rgDayOfWeekEnglish}));
}

// Keys on a focused control, as the keyboard gives them. The dialog has no default button: Enter
// presses the focused push button, and on any other control does nothing.
TEST_F(SettingsDialogTest, EnterAndSpacePressTheFocusedButtonAndNothingElse) {
  enum class Outcome { Preview, FontDialog, ColourDialog, Cancelled, Confirmed, Nothing };
  struct KeyCase {
    Id control;
    WORD key;
    Outcome outcome;
  };
  const KeyCase cases[] = {
      {Id::btnPreview, VK_RETURN, Outcome::Preview},
      {Id::btnPreview, VK_SPACE, Outcome::Preview},
      {Id::btnHoliday, VK_RETURN, Outcome::FontDialog},
      {Id::btnDayOfWeek, VK_SPACE, Outcome::FontDialog},
      {Id::btnBGColor, VK_RETURN, Outcome::ColourDialog},
      {Id::btnTodayColor, VK_SPACE, Outcome::ColourDialog},
      {Id::btnCancel, VK_RETURN, Outcome::Cancelled},
      {Id::btnCancel, VK_SPACE, Outcome::Cancelled},
      {Id::btnOK, VK_RETURN, Outcome::Confirmed},
      {Id::btnPreview, VK_ESCAPE, Outcome::Cancelled},
      {Id::rgDayOfWeekJapanese, VK_ESCAPE, Outcome::Cancelled},
      {Id::rgDayOfWeekJapanese, VK_RETURN, Outcome::Nothing},
      {Id::chkCenter, VK_RETURN, Outcome::Nothing},
  };
  // Tiled, with a colour for today: every control above is enabled. The placement window is out
  // of the dialog's way.
  for (const KeyCase& keyCase : cases) {
    SCOPED_TRACE(testing::Message() << "control " << keyCase.control << ", key " << keyCase.key);
    test::DeleteKeyTree(sandbox_.SettingsPath());
    sandbox_.PutText("Option", "Style1", "1");
    sandbox_.PutText("Option", "TodayStyle", "1");
    sandbox_.PutText("Option", "Left", "600");
    sandbox_.PutText("Option", "Top", "300");
    bool stillOpen = false;
    Run(nullptr, [&](HWND dialog) {
      test::FocusControl(dialog, keyCase.control);
      ASSERT_EQ(test::FocusedControl(dialog), keyCase.control);
      test::PressKey(keyCase.key);
      switch (keyCase.outcome) {
        case Outcome::Preview: {
          HWND preview = test::WaitForTopWindow(kPreviewClass);
          ASSERT_NE(preview, nullptr) << "no preview";
          PostMessageA(preview, WM_LBUTTONUP, 0, 0);
          test::WaitUntil([&] { return IsWindowVisible(calender_) != FALSE; });
          break;
        }
        case Outcome::FontDialog:
        case Outcome::ColourDialog: {
          HWND box = test::WaitForTopWindow("#32770", dialog);
          ASSERT_NE(box, nullptr) << "no common dialog";
          const bool font = keyCase.outcome == Outcome::FontDialog;
          EXPECT_NE(GetDlgItem(box, font ? cmb1 : COLOR_RED), nullptr)
              << (font ? "not the font dialog" : "not the colour dialog");
          PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
          test::WaitUntil([&] { return !IsWindow(box); });
          break;
        }
        case Outcome::Nothing:
          test::WaitUntilIdle(dialog);
          EXPECT_EQ(test::FindTopWindow("#32770"), nullptr);
          EXPECT_EQ(test::FindTopWindow(kPreviewClass), nullptr);
          break;
        case Outcome::Cancelled:
        case Outcome::Confirmed:
          return;  // the dialog closes by itself, or Run fails
      }
      test::WaitUntilIdle(dialog);
      stillOpen = IsWindowVisible(dialog) != FALSE;
      EXPECT_EQ(test::FocusedControl(dialog), keyCase.control) << "the focus comes back to the control";
      ClickControl(dialog, Id::btnCancel);
    });
    const bool closes = keyCase.outcome == Outcome::Cancelled || keyCase.outcome == Outcome::Confirmed;
    if (!closes) {
      EXPECT_TRUE(stillOpen) << "the key closed the dialog";
    }
    EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), keyCase.outcome == Outcome::Confirmed ? "0" : "(none)")
        << "saved only by OK";
  }
}

// Tab and Shift+Tab from the keyboard, from where the focus is when the dialog opens: on the
// dialog itself, so that Tab goes to the first stop (the wallpaper's set, at its checked item) and
// Shift+Tab to the last.
TEST_F(SettingsDialogTest, TabAndShiftTabFollowTheOrderFromTheOpenedDialog) {
  sandbox_.PutText("Option", "TodayStyle", "1");
  for (bool startBackwards : {false, true}) {
    SCOPED_TRACE(startBackwards ? "Shift+Tab first" : "Tab first");
    std::vector<int> visited;
    Run(nullptr, [&](HWND dialog) {
      visited.push_back(test::FocusedControl(dialog));
      const bool forward[] = {true, true, true, true, false, false, false, false};
      for (bool ahead : forward) {
        test::PressKey(VK_TAB, ahead == startBackwards);
        test::WaitUntilIdle(dialog);
        visited.push_back(test::FocusedControl(dialog));
      }
      ClickControl(dialog, Id::btnCancel);
    });
    // Centred: chkCenter is disabled and passed over.
    const std::vector<int> expected = startBackwards ? std::vector<int>{0,
                                                                        Id::btnPreview,
                                                                        Id::btnBGColor,
                                                                        Id::btnOptions,
                                                                        Id::btnCancel,
                                                                        Id::btnOptions,
                                                                        Id::btnBGColor,
                                                                        Id::btnPreview,
                                                                        Id::optCenter}
                                                     : std::vector<int>{0,
                                                                        Id::optCenter,
                                                                        Id::rgDayOfWeekJapanese,
                                                                        Id::rgTodayColorColoured,
                                                                        Id::btnTodayColor,
                                                                        Id::rgTodayColorColoured,
                                                                        Id::rgDayOfWeekJapanese,
                                                                        Id::optCenter,
                                                                        Id::btnPreview};
    EXPECT_EQ(visited, expected);
  }
}

// The arrow keys move to the other item of a radio set and choose it, as a click on it would.
TEST_F(SettingsDialogTest, ArrowKeysChooseWithinARadioSet) {
  struct Step {
    WORD key;
    Id focused;
  };
  const Step steps[] = {{VK_TAB, Id::optCenter},
                        {VK_DOWN, Id::optTile},
                        {VK_UP, Id::optCenter},
                        {VK_RIGHT, Id::optTile},
                        {VK_TAB, Id::chkCenter},
                        {VK_TAB, Id::rgDayOfWeekJapanese},
                        {VK_DOWN, Id::rgDayOfWeekEnglish},
                        {VK_LEFT, Id::rgDayOfWeekJapanese},
                        {VK_RIGHT, Id::rgDayOfWeekEnglish}};
  std::vector<std::pair<int, bool>> seen;  // the focused control, and whether it is checked
  Run(nullptr, [&](HWND dialog) {
    for (const Step& step : steps) {
      test::PressKey(step.key);
      test::WaitUntilIdle(dialog);
      const int focused = test::FocusedControl(dialog);
      seen.emplace_back(focused, IsControlChecked(dialog, focused));
    }
    EXPECT_TRUE(IsControlEnabled(dialog, Id::chkCenter)) << "tiled, by the arrow key";
    ClickControl(dialog, Id::btnOK);
  });
  ASSERT_EQ(seen.size(), std::size(steps));
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i].first, steps[i].focused);
    if (steps[i].key != VK_TAB) {
      EXPECT_TRUE(seen[i].second) << "chosen";
    }
  }
  EXPECT_EQ(Stored("Option", "Style1"), "1");
  EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), "1");
}

TEST_F(SettingsDialogTest, HandlersChangeTheSettingsAndRedrawTheCalendar) {
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::optTile);
    EXPECT_TRUE(IsControlEnabled(dialog, Id::chkCenter));
    ClickControl(dialog, Id::chkCenter);
    EXPECT_TRUE(IsControlChecked(dialog, Id::chkCenter));
    ClickControl(dialog, Id::optCenter);
    EXPECT_FALSE(IsControlEnabled(dialog, Id::chkCenter));
    ClickControl(dialog, Id::optTile);

    const test::Pixels japanese = test::CaptureClient(GetWindow(calender_, GW_CHILD));
    ClickControl(dialog, Id::rgDayOfWeekEnglish);
    const test::Pixels english = test::CaptureClient(GetWindow(calender_, GW_CHILD));
    const RECT header{0, 0, 196, 28};
    EXPECT_NE(InkIn(japanese, header, 0xFFFFFF), InkIn(english, header, 0xFFFFFF)) << "the header is redrawn";

    ClickControl(dialog, Id::rgTodayColorColoured);
    EXPECT_TRUE(IsControlEnabled(dialog, Id::btnTodayColor));
    const test::Pixels coloured = test::CaptureClient(GetWindow(calender_, GW_CHILD));
    const RECT today{3 * 28, 3 * 28, 4 * 28, 4 * 28};  // Wednesday the 13th
    EXPECT_EQ(coloured.at(3 * 28 + 14, 3 * 28 + 3), 0x000000u) << "a disc in the weekday colour";
    EXPECT_NE(InkIn(coloured, today, 0x000000), 0) << "with the number in white";
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(Stored("Option", "Style1"), "1");
  EXPECT_EQ(Stored("Option", "Style2"), "1");
  EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), "1");
  EXPECT_EQ(Stored("Option", "TodayStyle"), "1");
}

// The system menu's item switches the holiday rules: 6 May 2026 (Wednesday, row 1, column 3 of the
// 28-pixel cells) is a day off by the law, not by the built-in table. Only a switch is written,
// and only on OK.
TEST_F(SettingsDialogTest, HolidayLawItemSwitchesTheRulesAndRedraws) {
  const struct {
    const char* stored;
    int switches;
    int close;
    std::string written;
  } cases[] = {{nullptr, 1, Id::btnOK, "1"},
               {"1", 1, Id::btnOK, "0"},
               {nullptr, 2, Id::btnOK, "(none)"},
               {nullptr, 1, Id::btnCancel, "(none)"},
               {"7", 1, Id::btnCancel, "7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.stored ? c.stored : "none") << " " << c.switches << " " << c.close);
    test::DeleteKeyTree(sandbox_.SettingsPath());
    if (c.stored) sandbox_.PutText("Option", "HolidayRules", c.stored);
    std::vector<bool> checked, red;
    Run(nullptr, [&](HWND dialog) {
      auto look = [&] {
        checked.push_back(GetMenuState(GetSystemMenu(dialog, FALSE), TfrmSetting::kHolidayLawCommand, MF_BYCOMMAND) &
                          MF_CHECKED);
        red.push_back(test::RedPixelsIn(test::CaptureClient(GetWindow(calender_, GW_CHILD)),
                                        {3 * 28, 2 * 28, 4 * 28, 3 * 28}) > 0);
      };
      look();
      for (int i = 0; i < c.switches; ++i) {
        PostMessageA(dialog, WM_SYSCOMMAND, TfrmSetting::kHolidayLawCommand, 0);
        test::WaitUntilIdle(dialog);
        look();
      }
      ClickControl(dialog, c.close);
    });
    for (size_t i = 0; i < checked.size(); ++i) {
      EXPECT_EQ(checked[i], red[i]) << "the item is checked exactly when the 6th is drawn as a holiday, look " << i;
      if (i > 0) {
        EXPECT_NE(checked[i], checked[i - 1]) << "each choice switches, look " << i;
      }
    }
    EXPECT_EQ(Stored("Option", "HolidayRules"), c.written);
  }
}

TEST_F(SettingsDialogTest, ColourDialogsChangeAColourOnlyWhenConfirmed) {
  sandbox_.PutText("Option", "TodayStyle", "1");
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::btnBGColor);
    ASSERT_TRUE(test::AnswerColourDialog(dialog, RGB(10, 20, 30)));
    // Redrawn once the dialog's thread is back from the colour dialog, a moment after it closed.
    uint32_t background = 0;
    test::WaitUntil(
        [&] {
          background = test::CaptureClient(GetWindow(calender_, GW_CHILD)).at(199, 199);
          return background == 0x0A141Eu;
        },
        2s);
    EXPECT_EQ(background, 0x0A141Eu) << "the calendar window's background";

    ClickControl(dialog, Id::btnBGColor);
    ASSERT_TRUE(test::AnswerColourDialog(dialog, std::nullopt));
    ClickControl(dialog, Id::btnTodayColor);
    ASSERT_TRUE(test::AnswerColourDialog(dialog, RGB(200, 0, 0)));
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(Stored("Option", "BgColor"), "1971210");  // 0x1E140A
  EXPECT_EQ(Stored("Option", "TodayColor"), "200");
}

TEST_F(SettingsDialogTest, FontDialogChangesAFontOnlyWhenConfirmed) {
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::btnHoliday);
    ASSERT_TRUE(test::AnswerFontDialog(dialog, test::FontChoice{14, true}));
    ClickControl(dialog, Id::btnSunday);
    ASSERT_TRUE(test::AnswerFontDialog(dialog, std::nullopt));
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(Stored("Font\\Holiday", "FontSize"), "14");
  EXPECT_EQ(Stored("Font\\Holiday", "FontStyle"), "1");
  EXPECT_NE(Stored("Font\\Holiday", "FontName"), "");
  EXPECT_EQ(Stored("Font\\Sunday", "FontSize"), "9");
  EXPECT_EQ(Stored("Font\\Sunday", "FontStyle"), "0");
  EXPECT_EQ(Stored("Font\\Sunday", "FontName"), test::Bytes("82 6C 82 72 20 83 53 83 56 83 62 83 4E"));
}

TEST_F(SettingsDialogTest, CancelWritesOnlyTheFourPositions) {
  HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
  Run(wallpaper, [&](HWND dialog) {
    ClickControl(dialog, Id::optTile);
    ClickControl(dialog, Id::btnCancel);
  });
  const std::vector<std::string> sections = test::SubkeyNames(sandbox_.SettingsPath());
  EXPECT_EQ(std::set<std::string>(sections.begin(), sections.end()), (std::set<std::string>{"Calender", "Position"}));
  EXPECT_EQ(test::ValueNames(sandbox_.SettingsPath("Position")).size(), 2u);
  EXPECT_EQ(test::ValueNames(sandbox_.SettingsPath("Calender")).size(), 2u);
  EXPECT_EQ(Stored("Calender", "Left"), "0");
  EXPECT_FALSE(test::IsBitmap(wallpaper)) << "the host's bitmap is deleted";
  ExpectNoWindowLeft();
}

TEST_F(SettingsDialogTest, CloseBoxIsCancel) {
  Run(nullptr, [&](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_FALSE(test::KeyExists(sandbox_.SettingsPath("Option")));
  EXPECT_EQ(Stored("Position", "Top"), "0");
  ExpectNoWindowLeft();
}

TEST_F(SettingsDialogTest, OkWritesEverySettingAndThePositions) {
  HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
  Run(wallpaper, [&](HWND dialog) { ClickControl(dialog, Id::btnOK); });
  int values = 0;
  for (const char* section : {"Option", "Font\\Weekday", "Font\\Saturday", "Font\\Sunday", "Font\\Holiday",
                              "Font\\DayOfWeek", "Position", "Calender"}) {
    for (const auto& name : test::ValueNames(sandbox_.SettingsPath(section))) {
      Stored(section, name);  // checks the type
      ++values;
    }
  }
  EXPECT_EQ(values, 34);
  EXPECT_EQ(Stored("Option", "Width"), "200");
  EXPECT_EQ(Stored("Font\\Saturday", "FontColor"), "16776960");
  EXPECT_FALSE(test::IsBitmap(wallpaper));
  ExpectNoWindowLeft();
}

TEST_F(SettingsDialogTest, MovedPlacementWindowIsWhatThePreviewAndOkUse) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  int inkAtTheNewPlace = 0, inkAtTheOldPlace = 0;
  bool calenderShownAgain = false;
  Run(SolidBitmap(width, height, kGrey), [&](HWND dialog) {
    SetWindowPos(calender_, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickControl(dialog, Id::btnPreview);
    HWND preview = test::WaitForTopWindow(kPreviewClass);
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(IsWindowVisible(calender_)) << "hidden while the preview shows";
    const test::Pixels shown = test::CaptureClient(GetWindow(preview, GW_CHILD));
    inkAtTheNewPlace = InkIn(shown, {300, 200, 500, 400}, 0x808080);
    inkAtTheOldPlace = InkIn(shown, {0, 0, 200, 200}, 0x808080);
    PostMessageA(preview, WM_LBUTTONUP, 0, 0);
    test::WaitUntil([&] { return IsWindowVisible(calender_) != FALSE; });
    calenderShownAgain = IsWindowVisible(calender_);
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_GT(inkAtTheNewPlace, 100);
  EXPECT_EQ(inkAtTheOldPlace, 0);
  EXPECT_TRUE(calenderShownAgain);
  EXPECT_EQ(Stored("Option", "Left"), "300");
  EXPECT_EQ(Stored("Option", "Top"), "200");
  EXPECT_EQ(Stored("Calender", "Left"), "300");
  EXPECT_EQ(Stored("Calender", "Top"), "200");
}

TEST_F(SettingsDialogTest, PlacementLeftOfAndAboveTheScreenKeepsItsNegativeCoordinates) {
  sandbox_.PutText("Option", "Left", "-150");
  sandbox_.PutText("Option", "Top", "-80");
  RECT opened{};
  Run(nullptr, [&](HWND dialog) {
    GetWindowRect(calender_, &opened);
    SetWindowPos(calender_, nullptr, -120, -60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_EQ(opened.left, -150);
  EXPECT_EQ(opened.top, -80);
  EXPECT_EQ(Stored("Option", "Left"), "-120");
  EXPECT_EQ(Stored("Option", "Top"), "-60");
  EXPECT_EQ(Stored("Calender", "Left"), "-120");
  EXPECT_EQ(Stored("Calender", "Top"), "-60");
}

// "詳細設定..." opens the calendar's options, driven here by mouse and keys. Each change shows in
// the placement window at once; the options window's Cancel puts back what it had, the settings
// dialog's Cancel discards all of it, and its OK writes exactly the options the user changed.
TEST_F(SettingsDialogTest, OptionsWindowEditsTheCalendarAndOnlyOkKeepsTheChanges) {
  using Opt = TfrmCalendarOptions::Control;
  const struct {
    const char* what;
    WORD closeOptions;  // VK_RETURN on its OK, or VK_ESCAPE
    Id closeDialog;
    bool kept;
  } cases[] = {{"both OK", VK_RETURN, Id::btnOK, true},
               {"the dialog cancelled", VK_RETURN, Id::btnCancel, false},
               {"the options cancelled", VK_ESCAPE, Id::btnOK, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::DeleteKeyTree(sandbox_.SettingsPath());
    sandbox_.PutText("Option", "Left", "600");
    bool changedAtOnce = false, restoredOnCancel = false, lawItemChecked = false;
    Run(nullptr, [&](HWND dialog) {
      HWND image = GetWindow(calender_, GW_CHILD);
      const test::Pixels before = test::CaptureClient(image);
      ClickControl(dialog, Id::btnOptions);
      HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
      ASSERT_NE(options, nullptr) << "no options window";
      ClickControl(options, Opt::optMonday);
      test::FocusControl(options, Opt::optTitleNone);
      test::PressKey(VK_DOWN);  // Western
      test::PressKey(VK_DOWN);  // the era's
      test::FocusControl(options, Opt::edtOpacity);
      for (WORD key : {WORD{VK_END}, WORD{VK_BACK}, WORD{'4'}, WORD{'0'}, WORD{VK_UP}}) test::PressKey(key);  // 41
      test::PressKey(VK_TAB);  // to the panel's colour
      EXPECT_EQ(test::FocusedControl(options), Opt::btnPanelColor);
      test::PressKey(VK_SPACE);
      EXPECT_TRUE(test::AnswerColourDialog(options, RGB(0, 0, 255)));
      ClickControl(options, Opt::chkOutline);
      ClickControl(options, Opt::chkHolidayLaw);
      ClickControl(options, Opt::chkDayNames);
      test::FocusControl(options, Opt::chkRokuyo);
      test::PressKey(VK_SPACE);
      ClickControl(options, Opt::chkEto);
      test::FocusControl(options, Opt::chkMoonPhases);
      test::PressKey(VK_SPACE);
      test::WaitUntilIdle(options);
      changedAtOnce = test::CaptureClient(image) != before;
      if (c.closeOptions == VK_RETURN) test::FocusControl(options, Opt::btnOK);
      test::PressKey(c.closeOptions);
      test::WaitUntil([&] { return !IsWindow(options); });
      test::WaitUntilIdle(dialog);
      restoredOnCancel = test::CaptureClient(image) == before;
      lawItemChecked =
          (GetMenuState(GetSystemMenu(dialog, FALSE), TfrmSetting::kHolidayLawCommand, MF_BYCOMMAND) & MF_CHECKED) != 0;
      ClickControl(dialog, c.closeDialog);
    });
    EXPECT_TRUE(changedAtOnce) << "the placement window did not follow";
    EXPECT_EQ(restoredOnCancel, c.closeOptions == VK_ESCAPE);
    EXPECT_EQ(lawItemChecked, c.closeOptions == VK_RETURN) << "the system menu's item in step";
    const auto expect = [&](const char* name, const char* value) {
      EXPECT_EQ(Stored("Option", name), c.kept ? value : "(none)") << name;
    };
    expect("WeekStart", "1");
    expect("Title", "2");
    expect("PanelOpacity", "41");
    expect("PanelColor", "16711680");
    expect("Outline", "1");
    expect("HolidayRules", "1");
    expect("DayNames", "1");
    expect("Rokuyo", "1");
    expect("Eto", "1");
    expect("MoonPhases", "1");
    EXPECT_EQ(Stored("Option", "OutlineColor"), "(none)") << "not changed, not written";
    EXPECT_EQ(Stored("Option", "SolarTerms"), "(none)");
    EXPECT_EQ(Stored("Option", "Zassetsu"), "(none)");
    EXPECT_EQ(Stored("Option", "Kaiun"), "(none)");
  }
}

// The options window's keys and stops, as the settings dialog's: from the opened window Tab goes to
// the first stop (a radio set, at its checked item) and on through each stop once.
TEST_F(SettingsDialogTest, OptionsWindowTabOrder) {
  using Opt = TfrmCalendarOptions::Control;
  sandbox_.PutText("Option", "Title", "3");
  std::vector<int> visited;
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::btnOptions);
    HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
    ASSERT_NE(options, nullptr);
    for (int i = 0; i < 24; ++i) {
      test::PressKey(VK_TAB);
      test::WaitUntilIdle(options);
      visited.push_back(test::FocusedControl(options));
    }
    test::PressKey(VK_ESCAPE);
    test::WaitUntil([&] { return !IsWindow(options); });
    ClickControl(dialog, Id::btnCancel);
  });
  EXPECT_EQ(visited,
            (std::vector<int>{Opt::optSunday,     Opt::optTitleEnglish, Opt::edtOpacity,      Opt::btnPanelColor,
                              Opt::chkOutline,    Opt::btnOutlineColor, Opt::chkHolidayLaw,   Opt::chkDayNames,
                              Opt::chkSolarTerms, Opt::chkRokuyo,       Opt::chkZassetsu,     Opt::chkEto,
                              Opt::chkKaiun,      Opt::chkMoonPhases,   Opt::chkAdjacentDays, Opt::chkWeekNumbers,
                              Opt::lstEvents,     Opt::btnAddEvents,    Opt::btnRemoveEvents, Opt::btnEventColor,
                              Opt::btnOK,         Opt::btnCancel,       Opt::btnOwnDays,      Opt::optSunday}));
}

// The group 予定 and the month's edges: a calendar file and a folder added through the menu under
// "追加..." and their dialogs, a file whose name Shift-JIS cannot hold refused with words, one path
// removed, the events' colour and the two check boxes; OK writes those that changed, nothing else.
TEST_F(SettingsDialogTest, EventsAndTheMonthsEdgesInTheOptions) {
  using Opt = TfrmCalendarOptions::Control;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "tezun-calendars-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string file = folder + "\\work.ics", removed = folder + "\\old.ics";
  std::ofstream(file, std::ios::binary) << "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const std::wstring foreign = std::wstring(folder.begin(), folder.end()) + L"\\caf\u00E9.ics";
  CloseHandle(CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  sandbox_.PutText("Option", "Events", removed);
  sandbox_.PutText("Option", "WeekNumbers", "1");
  std::optional<std::string> refusal;
  std::vector<std::string> listed;
  bool weeksShown = false;
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::btnOptions);
    HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
    ASSERT_NE(options, nullptr);
    weeksShown = IsControlChecked(options, Opt::chkWeekNumbers);
    AddThroughMenu(options, 1, OpenPath(std::wstring(file.begin(), file.end())));
    AddThroughMenu(options, 2, [&](HWND chooser) {
      const std::wstring path(folder.begin(), folder.end());
      SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
      PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    });
    AddThroughMenu(options, 1, OpenPath(foreign));
    refusal = test::DismissMessageBox(options);
    HWND list = GetDlgItem(options, Opt::lstEvents);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ClickControl(options, Opt::btnRemoveEvents);
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
      char text[MAX_PATH * 2] = {};
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      listed.emplace_back(text);
    }
    ClickControl(options, Opt::btnEventColor);
    EXPECT_TRUE(test::AnswerColourDialog(options, RGB(0, 128, 0)));
    ClickControl(options, Opt::chkAdjacentDays);
    ClickControl(options, Opt::btnOK);
    test::WaitUntil([&] { return !IsWindow(options); });
    ClickControl(dialog, Id::btnOK);
  });
  EXPECT_TRUE(weeksShown);
  ASSERT_TRUE(refusal.has_value()) << "a name Shift-JIS cannot hold was taken";
  EXPECT_NE(refusal->find("Shift-JIS"), std::string::npos) << *refusal;
  EXPECT_EQ(listed, (std::vector<std::string>{file, folder})) << "the old path removed, the refused one never in";
  EXPECT_EQ(Stored("Option", "Events"), file + ";" + folder);
  EXPECT_EQ(Stored("Option", "EventColor"), "32768");
  EXPECT_EQ(Stored("Option", "AdjacentDays"), "1");
  EXPECT_EQ(Stored("Option", "WeekNumbers"), "1") << "as it was";
  DeleteFileA(file.c_str());
  DeleteFileW(foreign.c_str());
  RemoveDirectoryA(folder.c_str());
}

// A path that would take the list past what is read back is refused with words: the list and the
// stored value stay as they were, rather than all of them vanishing at the next call.
TEST_F(SettingsDialogTest, APathThatWouldTakeTheEventsPastTheirLimitIsRefused) {
  using Opt = TfrmCalendarOptions::Control;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string file = std::string(temp) + "tezun-limit-" + std::to_string(GetCurrentProcessId()) + ".ics";
  std::ofstream(file, std::ios::binary) << "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  std::string stored = "C:\\Calendars\\";
  stored.append(kMaxEventsBytes - 1 - file.size() - stored.size() - 4, 'x');
  stored += ".ics";  // one byte short of room for `;` and the file
  sandbox_.PutText("Option", "Events", stored);
  std::optional<std::string> refusal;
  LRESULT listed = 0;
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::btnOptions);
    HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
    ASSERT_NE(options, nullptr);
    AddThroughMenu(options, 1, OpenPath(std::wstring(file.begin(), file.end())));
    refusal = test::DismissMessageBox(options);
    listed = SendMessageA(GetDlgItem(options, Opt::lstEvents), LB_GETCOUNT, 0, 0);
    ClickControl(options, Opt::btnOK);
    test::WaitUntil([&] { return !IsWindow(options); });
    ClickControl(dialog, Id::btnOK);
  });
  ASSERT_TRUE(refusal.has_value()) << "a list past the limit was taken";
  EXPECT_NE(refusal->find("32 KiB"), std::string::npos) << *refusal;
  EXPECT_EQ(listed, 1);
  EXPECT_EQ(Stored("Option", "Events"), stored);
  DeleteFileA(file.c_str());
}

// "自分の休日...": the list typed into, imported from the Cabinet Office's file through the Open
// dialog (a file that is no text refused), refused while a line does not parse, and kept only by
// OK all the way out.
TEST_F(SettingsDialogTest, OwnDaysTypedImportedAndRefusedWhileALineIsBad) {
  using Opt = TfrmCalendarOptions::Control;
  using Days = TfrmOwnDays::Control;
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string csv = std::string(folder) + "tezun-syukujitsu-" + std::to_string(GetCurrentProcessId()) + ".csv";
  {
    std::ofstream file(csv, std::ios::binary);
    // 国民の祝日・休日月日,国民の祝日・休日名称, then two days (元日, 文化の日)
    file << test::Bytes(
                "8D 91 96 AF 82 CC 8F 6A 93 FA 81 45 8B 78 93 FA 8C 8E 93 FA 2C 8D 91 96 AF 82 CC 8F 6A 93 FA 81 45 "
                "8B 78 93 FA 96 BC 8F CC")
         << "\r\n2026/1/1," << test::Bytes("8C B3 93 FA") << "\r\n2026/11/3," << test::Bytes("95 B6 89 BB 82 CC 93 FA")
         << "\r\n";
  }
  const std::string picture = csv + ".png";
  std::ofstream(picture, std::ios::binary) << test::Bytes("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D 49 48 44 52");
  auto type = [](HWND control, const std::string& text) {
    for (const char c : text) PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 0);
    test::WaitUntilIdle(control);
  };
  const std::string stored = "12-29..01-03 year end";
  for (const bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "kept" : "bad line, then Cancel");
    sandbox_.PutText("Option", "OwnDays", stored);
    sandbox_.PutText("Option", "Left", "600");
    std::optional<std::string> refusal, notText;
    bool stillOpen = false, shownAtOnce = false, addedNothing = false;
    Run(nullptr, [&](HWND dialog) {
      HWND image = GetWindow(calender_, GW_CHILD);
      const test::Pixels before = test::CaptureClient(image);
      ClickControl(dialog, Id::btnOptions);
      HWND options = test::WaitForTopWindow(kOptionsClass, dialog);
      ASSERT_NE(options, nullptr);
      ClickControl(options, Opt::btnOwnDays);
      HWND editor = test::WaitForTopWindow(kOwnDaysClass, options);
      ASSERT_NE(editor, nullptr) << "no editor";
      HWND edit = GetDlgItem(editor, Days::edtDays);
      test::FocusControl(editor, Days::edtDays);
      PostMessageA(edit, WM_KEYDOWN, VK_END, 0);
      PostMessageA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
      test::PressKey(VK_RETURN);  // a new line, not OK
      type(edit, keep ? "2026-05-20 office closed" : "12-32 no such day");
      auto import = [&](const std::string& path) {
        ClickControl(editor, Days::btnImport);
        HWND open = test::WaitForTopWindow("#32770", editor);
        ASSERT_NE(open, nullptr) << "no Open dialog";
        SetDlgItemTextA(open, cmb13, path.c_str());
        SetDlgItemTextA(open, edt1, path.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        test::WaitUntil([&] { return !IsWindow(open); });
      };
      if (!keep) {  // a file that is no text: refused, saying what is read, and nothing added
        // The Enter key comes through the display, and may come after the characters.
        const size_t typed = stored.size() + std::string("\r\n12-32 no such day").size();
        test::WaitUntil([&] { return static_cast<size_t>(GetWindowTextLengthA(edit)) == typed; });
        const int length = GetWindowTextLengthA(edit);
        import(picture);
        notText = test::DismissMessageBox(editor);
        addedNothing = GetWindowTextLengthA(edit) == length;
      }
      import(csv);
      ClickControl(editor, Days::btnOK);
      if (!keep) {
        refusal = test::DismissMessageBox(editor);
        stillOpen = IsWindowVisible(editor) != FALSE;
        ClickControl(editor, Days::btnCancel);
      }
      test::WaitUntil([&] { return !IsWindow(editor); });
      test::WaitUntilIdle(options);
      shownAtOnce = test::CaptureClient(image) != before;
      ClickControl(options, Opt::btnOK);
      test::WaitUntil([&] { return !IsWindow(options); });
      ClickControl(dialog, Id::btnOK);
    });
    if (keep) {
      EXPECT_TRUE(shownAtOnce) << "the placement window did not show the list";
      EXPECT_EQ(Stored("Option", "OwnDays"), stored + "\r\n2026-05-20 office closed\r\n2026-01-01 " +
                                                 test::Bytes("8C B3 93 FA") + "\r\n2026-11-03 " +
                                                 test::Bytes("95 B6 89 BB 82 CC 93 FA") + "\r\n");
    } else {
      ASSERT_TRUE(notText.has_value()) << "a file that is no text was taken";
      EXPECT_NE(notText->find("UTF-16"), std::string::npos) << *notText;
      EXPECT_TRUE(addedNothing);
      ASSERT_TRUE(refusal.has_value()) << "OK took a line that does not parse";
      EXPECT_NE(refusal->find("12-32 no such day"), std::string::npos) << *refusal;
      EXPECT_TRUE(stillOpen);
      EXPECT_EQ(Stored("Option", "OwnDays"), stored) << "nothing of a cancelled list is written";
    }
  }
  DeleteFileA(csv.c_str());
  DeleteFileA(picture.c_str());
}

// What the dialog's OK stores, the next ExecutePlugIn draws, though the call before kept what it
// had read.
TEST_F(SettingsDialogTest, TheNextCallDrawsWhatOkStored) {
  sandbox_.PutText("Option", "Left", "600");
  auto drawnAt = [&] {
    HBITMAP wallpaper = nullptr;
    ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &wallpaper);
    const int left = test::CalendarLeftOf(wallpaper);
    DeleteObject(wallpaper);
    return left;
  };
  EXPECT_GE(drawnAt(), 600);
  Run(nullptr, [&](HWND dialog) {
    SetWindowPos(calender_, nullptr, 300, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickControl(dialog, Id::btnOK);
  });
  const int left = drawnAt();
  EXPECT_GE(left, 300);
  EXPECT_LT(left, 328);
}

// A window stored where no monitor is any more (one unplugged, the resolution lowered) opens on
// the screen, whole; only OK keeps where it opened, and Cancel leaves the stored places as they were.
TEST_F(SettingsDialogTest, AWindowStoredOutOfReachOpensOnTheScreen) {
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};  // no task bar here
  for (const Id button : {Id::btnCancel, Id::btnOK}) {
    sandbox_.PutText("Position", "Left", "5000");
    sandbox_.PutText("Position", "Top", "4000");
    sandbox_.PutText("Option", "Left", "-3000");
    sandbox_.PutText("Option", "Top", "-2000");
    RECT dialogAt{}, calendarAt{};
    Run(nullptr, [&](HWND dialog) {
      GetWindowRect(dialog, &dialogAt);
      GetWindowRect(calender_, &calendarAt);
      ClickControl(dialog, button);
    });
    EXPECT_EQ(dialogAt.right, screen.right) << "the dialog, in the nearest corner";
    EXPECT_EQ(dialogAt.bottom, screen.bottom);
    EXPECT_EQ(calendarAt.left, 0) << "the placement window, in the nearest corner";
    EXPECT_EQ(calendarAt.top, 0);
    const bool ok = button == Id::btnOK;
    EXPECT_EQ(Stored("Position", "Left"), ok ? std::to_string(dialogAt.left) : "5000");
    EXPECT_EQ(Stored("Position", "Top"), ok ? std::to_string(dialogAt.top) : "4000");
    EXPECT_EQ(Stored("Option", "Left"), ok ? "0" : "-3000");
    EXPECT_EQ(Stored("Calender", "Left"), ok ? "0" : "-3000");
    EXPECT_EQ(Stored("Calender", "Top"), ok ? "0" : "-2000");
  }
}

// A wallpaper changer's timer fires while the dialog is open, and the host calls the plug-in from
// within the dialog's message loop. Its picture is of what is stored; the dialog keeps the user's
// edits and saves them; no second dialog opens; nothing is left over.
struct NestedCalls {
  std::string key;
  std::atomic<bool> due = false;
  std::atomic<bool> done = false;
  test::Pixels composed;
  HBITMAP secondDialogsPicture = nullptr;
  int32_t secondDialogResult = -1;
};
NestedCalls* nestedCalls = nullptr;

void CALLBACK HostTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!nestedCalls || !nestedCalls->due.exchange(false)) return;
  HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
  ExecutePlugIn(nullptr, nestedCalls->key.c_str(), &wallpaper);
  nestedCalls->composed = test::ReadPixels(wallpaper);
  DeleteObject(wallpaper);
  nestedCalls->secondDialogsPicture = test::MakePatternBitmap(16, 16);
  nestedCalls->secondDialogResult = SettingPlugIn(nullptr, nestedCalls->key.c_str(), nestedCalls->secondDialogsPicture);
  nestedCalls->done = true;
}

TEST_F(SettingsDialogTest, AHostCallingWhileTheDialogIsOpenLosesNoEdit) {
  sandbox_.PutText("Option", "DayOfWeekStyle", "0");
  NestedCalls calls;
  calls.key = sandbox_.HostKey();
  HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
  ExecutePlugIn(nullptr, calls.key.c_str(), &wallpaper);
  const test::Pixels stored = test::ReadPixels(wallpaper);
  DeleteObject(wallpaper);

  nestedCalls = &calls;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, HostTimer);
  int dialogs = 0;
  bool sameCalendar = false;
  long gdiGrowth = 0;
  Run(nullptr, [&](HWND dialog) {
    ClickControl(dialog, Id::rgDayOfWeekEnglish);
    const test::Pixels english = test::CaptureClient(GetWindow(calender_, GW_CHILD));
    const auto before = tezunhost::MeasureProcessResources().gdiObjects;
    calls.due = true;
    ASSERT_TRUE(test::WaitUntil([&] { return calls.done.load(); })) << "the host's timer did not call";
    gdiGrowth = static_cast<long>(tezunhost::MeasureProcessResources().gdiObjects) - static_cast<long>(before);
    EnumWindows(
        [](HWND hwnd, LPARAM count) CALLBACK -> BOOL {
          char name[32] = {};
          GetClassNameA(hwnd, name, sizeof name);
          if (std::string(name) == kSettingClass && IsWindowVisible(hwnd)) ++*reinterpret_cast<int*>(count);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    test::WaitUntilIdle(dialog);
    sameCalendar = test::CaptureClient(GetWindow(calender_, GW_CHILD)) == english;
    ClickControl(dialog, Id::btnOK);
  });
  KillTimer(nullptr, timer);
  nestedCalls = nullptr;

  EXPECT_TRUE(calls.composed == stored) << "the nested call drew the dialog's edits, not what is stored";
  EXPECT_EQ(calls.secondDialogResult, 0);
  EXPECT_FALSE(test::IsBitmap(calls.secondDialogsPicture)) << "the second call's picture was not taken";
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(sameCalendar) << "the placement window changed under the dialog";
  EXPECT_EQ(Stored("Option", "DayOfWeekStyle"), "1") << "the user's choice was lost";
  EXPECT_LE(gdiGrowth, 0) << "GDI objects left over";
  ExpectNoWindowLeft();
}

TEST_F(SettingsDialogTest, PreviewIsReducedExactlyOnDisplaysOfEightBitsOrFewer) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  auto coloursShown = [&](int depth) {
    FixDisplayDepthForTesting(depth);
    size_t colours = 0;
    Run(test::MakePatternBitmap(width, height), [&](HWND dialog) {
      ClickControl(dialog, Id::btnPreview);
      HWND preview = test::WaitForTopWindow(kPreviewClass);
      ASSERT_NE(preview, nullptr);
      const test::Pixels shown = test::CaptureClient(GetWindow(preview, GW_CHILD));
      colours = std::set<uint32_t>(shown.values.begin(), shown.values.end()).size();
      PostMessageA(preview, WM_LBUTTONUP, 0, 0);
      test::WaitUntil([&] { return IsWindowVisible(calender_) != FALSE; });
      ClickControl(dialog, Id::btnCancel);
    });
    return colours;
  };
  EXPECT_LE(coloursShown(8), 236u);
  EXPECT_LE(coloursShown(4), 236u);
  EXPECT_GT(coloursShown(16), 5000u);
  EXPECT_GT(coloursShown(32), 5000u);
}

// The preview's picture fails at its copy (0), at the composed screen (1) and at today's mark (2).
TEST_F(SettingsDialogTest, AnErrorInACommandIsShownAndTheDialogGoesOn) {
  for (int failing : {0, 1, 2}) {
    SCOPED_TRACE(failing);
    std::optional<std::string> message;
    bool stillOpen = false;
    long gdiGrowth = 0;
    Run(test::MakePatternBitmap(64, 64), [&](HWND dialog) {
      auto failedPreview = [&] {
        FailBitmapCreationForTesting(failing);
        ClickControl(dialog, Id::btnPreview);
        message = test::DismissMessageBox(dialog);
        FailBitmapCreationForTesting(std::nullopt);
      };
      failedPreview();  // the message box's resources settle
      const auto before = tezunhost::MeasureProcessResources().gdiObjects;
      for (int i = 0; i < 10; ++i) failedPreview();
      gdiGrowth = static_cast<long>(tezunhost::MeasureProcessResources().gdiObjects) - static_cast<long>(before);
      stillOpen = IsWindowVisible(dialog);
      ClickControl(dialog, Id::btnCancel);
    });
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("bitmap"), std::string::npos) << *message;
    EXPECT_TRUE(stillOpen);
    EXPECT_LE(gdiGrowth, 4) << "a failed preview leaves GDI objects behind";
    EXPECT_EQ(test::FindTopWindow(kPreviewClass), nullptr) << "no preview without a picture";
    ExpectNoWindowLeft();
  }
}

// Whichever bitmap fails while the sequence opens and runs the dialog, the host's own window is
// usable again afterwards and none of ours is left: the sequence must not end with the host
// disabled, as a modal window leaves its owner while it is up.
TEST_F(SettingsDialogTest, AFailureAnywhereLeavesTheHostWindowEnabled) {
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  for (int failing : {0, 1, 2, 3, 4, 5, 100}) {
    SCOPED_TRACE(failing);
    FailBitmapCreationForTesting(failing);
    std::atomic<bool> returned = false;
    std::thread user([&] {
      // Error messages are answered; a dialog that opens after all is cancelled.
      test::WaitUntil(
          [&] {
            if (HWND box = test::FindTopWindow("#32770")) PostMessageA(box, WM_COMMAND, IDOK, 0);
            HWND dialog = test::FindTopWindow(kSettingClass);
            if (dialog && IsWindowEnabled(dialog)) ClickControl(dialog, Id::btnCancel);
            return returned.load();
          },
          20s);
    });
    EXPECT_EQ(SettingPlugIn(host, sandbox_.HostKey().c_str(), test::MakePatternBitmap(64, 64)), 0);
    returned = true;
    user.join();
    FailBitmapCreationForTesting(std::nullopt);
    EXPECT_TRUE(IsWindowEnabled(host)) << "the host's window is left disabled";
    EXPECT_EQ(test::FindTopWindow(kSettingClass), nullptr);
    EXPECT_EQ(test::FindTopWindow(kCalenderClass), nullptr);
    EXPECT_EQ(test::FindTopWindow(kPreviewClass), nullptr);
    EnableWindow(host, TRUE);
  }
  DestroyWindow(host);
}

// The first, a middle and the last value of a save, and a position.
TEST_F(SettingsDialogTest, AFailedSaveIsShownAndThePositionsAreStillWritten) {
  for (const char* failing : {"Style1", "Width", "FontStyle", "Left"}) {
    SCOPED_TRACE(failing);
    test::DeleteKeyTree(sandbox_.SettingsPath());
    FailRegistryWritesForTesting([name = std::string(failing)](const std::string& value) { return value == name; });
    std::optional<std::string> message;
    HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
    std::thread answer([&] {
      test::WaitUntil([&] { return test::FindTopWindow("#32770") != nullptr; }, 10s);
      message = test::DismissMessageBox(nullptr);
    });
    Run(wallpaper, [&](HWND dialog) { ClickControl(dialog, Id::btnOK); });
    answer.join();
    FailRegistryWritesForTesting(nullptr);
    ASSERT_TRUE(message);
    const std::string expected = std::string("'").append(failing).append("'") +
                                 test::Bytes("20 82 CC 90 DD 92 E8 82 C9 8E B8 94 73 82 B5 82 DC 82 B5 82 BD");
    EXPECT_EQ(*message, expected);
    if (std::string(failing) == "Width") {
      EXPECT_EQ(Stored("Option", "Top"), "0") << "written before the failure";
      EXPECT_EQ(Stored("Option", "Height"), "(none)") << "not after it";
    }
    if (std::string(failing) == "FontStyle") {
      EXPECT_EQ(Stored("Option", "BgColor"), "16777215");
      EXPECT_EQ(Stored("Font\\Weekday", "FontColor"), "0");
      EXPECT_EQ(Stored("Font\\Saturday", "FontName"), "(none)");
    }
    EXPECT_EQ(Stored("Position", "Top"), "0") << "the positions are written after a failed save";
    EXPECT_EQ(Stored("Calender", "Top"), "0") << "and each one even when another fails";
    EXPECT_EQ(Stored("Calender", "Left"), std::string(failing) == "Left" ? "(none)" : "0");
    EXPECT_FALSE(test::IsBitmap(wallpaper));
    ExpectNoWindowLeft();
  }
}

TEST_F(SettingsDialogTest, AValueThatCannotBeReadIsShownAndNothingIsWritten) {
  const DWORD width = 300;
  sandbox_.Put("Option", "Width", REG_DWORD, std::string(reinterpret_cast<const char*>(&width), sizeof width));
  HBITMAP wallpaper = test::MakePatternBitmap(64, 64);
  std::optional<std::string> message;
  std::thread answer([&] { message = test::DismissMessageBox(nullptr); });
  EXPECT_EQ(SettingPlugIn(nullptr, sandbox_.HostKey().c_str(), wallpaper), 0);
  answer.join();
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, "'Width'" + test::Bytes("20 82 CC 83 66 81 5B 83 5E 8C 5E 82 AA 95 73 90 B3 82 C5 82 B7"));
  EXPECT_FALSE(test::KeyExists(sandbox_.SettingsPath("Position")));
  EXPECT_FALSE(test::IsBitmap(wallpaper));
  EXPECT_EQ(test::FindTopWindow(kSettingClass), nullptr);
}

}  // namespace
}  // namespace tezun
