#include "settings_sequence.h"

#include <exception>

#include "forms/setoption.h"
#include "forms/settings_session.h"
#include "graphics/screen.h"
#include "texts.h"

namespace tezun {
namespace {

// The sequence that runs, from its start to its end (message boxes about loading and saving
// included), and its dialog while that exists.
bool running = false;
TfrmSetting* openDialog = nullptr;

class RunningScope {
 public:
  RunningScope() { running = true; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;
  ~RunningScope() { running = false; }
};

class OpenDialogScope {
 public:
  explicit OpenDialogScope(TfrmSetting& dialog) { openDialog = &dialog; }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;
  ~OpenDialogScope() { openDialog = nullptr; }
};

ScreenPoint TopLeft(const RECT& bounds) { return {bounds.left, bounds.top}; }

// The host's picture, or when there is none to read, the desktop colour over the screen.
void AdoptPicture(TBitmap& picture, BitmapHandle hostPicture) {
  picture.Adopt(hostPicture.release());
  if (!picture.Readable()) {
    // None, or one the host still has selected into a device context of its own, which nothing
    // can be copied from (it goes, as any picture handed in): the desktop colour stands for it,
    // so the preview shows what the main job composes from such a picture.
    picture.Adopt(nullptr);
    const SIZE screen = ScreenSize();
    picture.SetPixelFormat24();
    picture.SetSize(screen.cx, screen.cy);
    picture.Canvas().Brush.Color = clBackground;
    picture.Canvas().FillRect({0, 0, screen.cx, screen.cy});
  }
  picture.SetPixelFormat24();
}

}  // namespace

bool SettingsSequenceRunning() { return running; }

void BringSettingsDialogToFront() {
  if (!openDialog || !openDialog->Visible()) return;
  // A colour dialog or the preview open over it is what the user should see.
  SetForegroundWindow(GetLastActivePopup(openDialog->Handle()));
}

void RunSettingsSequence(HWND owner, SettingsStore& store, BitmapHandle hostPicture) {
  const RunningScope scope;
  TCalendarSettings stored;
  try {
    LoadSettings(store, stored);
  } catch (const ERegistryException& error) {
    // A stored value that cannot be read: say which, and change nothing.
    ShowError(owner, error.what());
    return;
  }
  SettingsSession session(std::move(stored));
  const TCalendarSettings& settings = session.Edited();
  TfrmSetting dialog(owner, session);
  const OpenDialogScope open(dialog);

  const ScreenPoint storedDialog = ReadDialogPosition(store);
  const ScreenPoint storedCalendar{settings.Left, settings.Top};
  SetWindowPos(dialog.Handle(), nullptr, storedDialog.x, storedDialog.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  dialog.Calender().Place(settings.Left, settings.Top, settings.Width, settings.Height);
  // A place stored before a monitor went, the resolution dropped or the scaling rose may be out of
  // reach: such a window opens on the nearest monitor instead.
  dialog.KeepWithinReach(dialog.TitleBar(), {40, 10});
  dialog.Calender().KeepWithinReach(dialog.Calender().Bounds(), {40, 40});
  const ScreenPoint openedDialog = TopLeft(dialog.Bounds());
  const ScreenPoint openedCalendar = TopLeft(dialog.Calender().Bounds());
  AdoptPicture(dialog.Picture(), std::move(hostPicture));

  // The list is not lost: it stays stored as it is unless the user writes a new one.
  if (settings.OwnDaysTooLong) MessageBoxA(owner, kStoredOwnDaysTooLong, "Tezun", MB_OK | MB_ICONWARNING);
  const int result = dialog.ShowModal();

  // What cannot be written is said, and the rest is still written: the user must know when the
  // settings were not kept.
  bool reported = false;
  auto report = [&](const std::exception& error) {
    if (!reported) ShowError(owner, error.what());
    reported = true;
  };
  if (result == mrOk) {
    try {
      SaveSettings(store, settings);
      SaveChangedOptions(store, session.Opened(), settings);
    } catch (const ERegistryException& error) {
      report(error);
    }
  }
  ScreenPoint dialogAt = TopLeft(dialog.Bounds());
  ScreenPoint calendarAt = TopLeft(dialog.Calender().Bounds());
  // Only OK keeps a move made to bring a window within reach; a window the user left where it
  // opened is written back as it was stored.
  if (result != mrOk) {
    if (dialogAt == openedDialog) dialogAt = storedDialog;
    if (calendarAt == openedCalendar) calendarAt = storedCalendar;
  }
  try {
    WriteWindowPositions(store, dialogAt, calendarAt);
  } catch (const ERegistryException& error) {
    report(error);
  }
}

}  // namespace tezun
