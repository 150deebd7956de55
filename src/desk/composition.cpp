#include "composition.h"

#include <vector>

#include "desk_error.h"
#include "desk_folder.h"
#include "desk_registry.h"
#include "desktop_shell.h"
#include "kept_picture.h"
#include "monitor_picture.h"
#include "picture_choice.h"
#include "picture_writer.h"
#include "plugin_settings_snapshot.h"
#include "program_path.h"
#include "texts.h"
#include "wallpaper.h"
#include "wallpaper_memory.h"
#include "writing_turn.h"

namespace tezun::desk {
namespace {

// The monitors of one look, the shell's per-monitor wallpaper where Windows has it, and the plan.
struct Desktop {
  std::optional<DesktopShell> shell;
  std::vector<Monitor> monitors;
  CompositionPlan plan;

  // The file each part shows now: each monitor's with the shell's per-monitor way, else the one.
  std::vector<std::wstring> Shown() const {
    if (plan.way != SettingWay::PerMonitor) return {CurrentWallpaper()};
    std::vector<std::wstring> shown;
    shown.reserve(plan.parts.size());
    for (const MonitorPart& part : plan.parts) shown.push_back(shell->Wallpaper(part.monitor.id));
    return shown;
  }
};

Desktop LookAtDesktop() {
  Desktop desktop{DesktopShell::Open(), {}, {}};
  if (desktop.shell) desktop.monitors = desktop.shell->Monitors();
  const bool perMonitor = !desktop.monitors.empty();
  if (desktop.monitors.empty()) desktop.monitors = DisplayMonitors();
  if (desktop.monitors.empty()) {
    desktop.monitors.push_back({L"", {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}});
  }
  desktop.plan = PlanComposition(desktop.monitors, perMonitor, SpanKnown());
  return desktop;
}

// The picture chosen, else on the first run the wallpaper shown, never our own output.
std::wstring PictureToDecorate(const std::vector<std::wstring>& shown, const std::wstring& folder) {
  return ChoosePicture(ReadDeskValue(kPictureValue).value_or(L""), shown.front(), folder);
}

// Writes each picture to its file; a failure takes away the files written so far.
void WriteAll(const std::vector<HBITMAP>& pictures, const std::vector<std::wstring>& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    try {
      WritePicture(pictures[i], files[i]);
    } catch (const DeskError&) {
      for (size_t j = 0; j < i; ++j) DeleteFileW(files[j].c_str());
      throw;
    }
  }
}

// The shell shows each monitor its own file, centred; what it refuses puts back every monitor
// set before it and the position.
void SetEachMonitor(const DesktopShell& shell, const CompositionPlan& plan, const std::vector<std::wstring>& files,
                    const DesktopState& before) {
  HRESULT result = shell.SetPosition(kCentredPosition);
  size_t set = 0;
  for (; SUCCEEDED(result) && set < plan.parts.size(); ++set) {
    result = shell.SetWallpaper(plan.parts[set].monitor.id, files[set]);
  }
  if (SUCCEEDED(result)) return;
  for (const auto& [id, path] : before.monitors) shell.SetWallpaper(id, path);
  if (before.position) shell.SetPosition(*before.position);
  for (const std::wstring& file : files) DeleteFileW(file.c_str());
  const std::wstring refused = set > 0 ? files[set - 1] : files.front();
  throw DeskError{kExitUnwritable, Wide(kCannotSet) + refused + L"\n" + ErrorText(static_cast<unsigned long>(result))};
}

// Writes the pictures the plan asks for and hands them to Windows. A failure leaves the wallpaper,
// its style and its file as they were.
void SetPictures(const Desktop& desktop, const std::vector<Bitmap>& pictures, const std::vector<std::wstring>& shown,
                 const DesktopState& before, const std::wstring& folder) {
  const CompositionPlan& plan = desktop.plan;
  std::vector<HBITMAP> handles;
  handles.reserve(pictures.size());
  for (const Bitmap& picture : pictures) handles.push_back(picture.get());
  if (plan.way == SettingWay::PerMonitor) {
    std::vector<std::wstring> files;
    for (size_t i = 0; i < plan.parts.size(); ++i) files.push_back(NextOutputPath(folder, shown[i], i));
    WriteAll(handles, files);
    SetEachMonitor(*desktop.shell, plan, files, before);
    return;
  }
  const std::wstring file = NextOutputPath(folder, shown.front());
  if (plan.way == SettingWay::Single) {
    WriteAll({handles.front()}, {file});
  } else {
    const Bitmap whole = SpannedPicture(plan, handles, DesktopColour());
    WriteAll({whole.get()}, {file});
  }
  try {
    SetWallpaperState(plan.way == SettingWay::Single ? Centred(file)
                      : plan.way == SettingWay::Span ? Spanned(file)
                                                     : Tiled(file));
  } catch (const DeskError&) {
    DeleteFileW(file.c_str());  // not the wallpaper: the last good one stays as it was
    throw;
  }
}

}  // namespace

LocalClock Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocalDate Today() { return Now().date; }

const PluginHost& Composition::Plugin() {
  if (!plugin_) plugin_.emplace(PluginBesideProgram());
  return *plugin_;
}

WallpaperSeen Composition::Look() {
  const Desktop desktop = LookAtDesktop();
  const bool slideshow = (desktop.shell && desktop.shell->SlideshowOn()) || SlideshowByShell();
  return JudgeWallpaper(desktop.Shown(), slideshow, Covered(), ReadDeskValue(kChosenOverValue), DeskFolder());
}

LocalDate Composition::ComposeAndSet(const WallpaperSeen& seen) {
  const WritingTurn turn;
  const std::wstring folder = DeskFolder();
  const Desktop desktop = LookAtDesktop();
  const CompositionPlan& plan = desktop.plan;
  const std::vector<std::wstring> shown = desktop.Shown();
  const DesktopState before =
      CurrentDesktop(desktop.shell ? &*desktop.shell : nullptr,
                     plan.way == SettingWay::PerMonitor ? desktop.monitors : std::vector<Monitor>{});
  const LocalDate today = Today();

  Bitmap picture;
  if (seen.what != Seen::UsersChoice) {
    picture = ReadPictureToDecorate(PictureToDecorate(shown, folder), folder);
  } else if (seen.picture.empty()) {
    KeepNoPicture();
  } else {
    picture = KeepPicture(seen.picture, folder, false);
  }

  // The primary's picture is the plug-in's; the others are the picture alone, laid as it lays it.
  const bool others = plan.parts.size() > 1;
  std::vector<Bitmap> pictures;
  pictures.push_back(Plugin().Execute(window_, others ? CopyOfPicture(picture.get()).release() : picture.release()));
  const PluginStyles styles = StoredPluginStyles();
  const DeskSize laid = SizeOf(picture.get());
  for (size_t i = 1; i < plan.parts.size(); ++i) {
    const DeskRect& r = plan.parts[i].monitor.rect;
    if (plan.parts[i].primary) {
      pictures.push_back(CopyOfPicture(pictures.front().get()));  // the primary's rectangle shown twice
      continue;
    }
    const PictureLayout layout =
        LayPicture(r.width(), r.height(), laid.width, laid.height, styles.style1, styles.style2);
    pictures.push_back(MonitorPicture(picture.get(), {r.width(), r.height()}, layout, DesktopColour()));
  }
  SetPictures(desktop, pictures, shown, before, folder);

  // The first run remembers what it covered, to put it back on "元の壁紙に戻す"; a choice made over
  // another wallpaper has overruled it now.
  Remember(before, folder, plan.way == SettingWay::PerMonitor,
           desktop.shell ? desktop.shell->MonitorIds() : std::vector<std::wstring>{});
  DeleteDeskValue(kChosenOverValue);
  return today;
}

LocalDate Composition::ComposeUnlessPaused() {
  const WallpaperSeen seen = Look();
  if (seen.what == Seen::Slideshow) throw DeskError{kExitPaused, Wide(kSlideshowOn)};
  return ComposeAndSet(seen);
}

void Composition::ChoosePicture(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  const std::wstring folder = DeskFolder();
  // The user chose over the wallpaper shown now: that one is not to be adopted afterwards.
  const WallpaperSeen over = JudgeWallpaper(LookAtDesktop().Shown(), false, true, std::nullopt, folder);
  KeepPicture(full, folder, true);  // refused here, before anything is stored
  if (over.what == Seen::UsersChoice) {
    WriteDeskValue(kChosenOverValue, over.picture);
  } else {
    DeleteDeskValue(kChosenOverValue);
  }
}

void Composition::RunSettings() {
  Bitmap picture;
  try {
    const std::wstring folder = DeskFolder();
    picture = ReadPictureToDecorate(PictureToDecorate(LookAtDesktop().Shown(), folder), folder);
  } catch (const DeskError&) {
    // The dialog still works on the desktop colour; the failure shows at the next composition.
  }
  Plugin().Settings(window_, picture.release());
}

}  // namespace tezun::desk
