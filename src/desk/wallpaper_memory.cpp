#include "wallpaper_memory.h"

#include <algorithm>

#include "desk_error.h"
#include "desk_registry.h"
#include "picture_choice.h"
#include "picture_layout.h"
#include "texts.h"
#include "writing_turn.h"

namespace tezun::desk {
namespace {

bool Names(const std::vector<std::wstring>& ids, const std::wstring& id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::optional<int32_t> RememberedNumber(const wchar_t* name) {
  return StoredInteger(ReadDeskValue(name).value_or(L""));
}

void Forget() {
  for (const wchar_t* name : {kRememberedWallpaperValue, kRememberedStyleValue, kRememberedTileValue,
                              kRememberedColourValue, kRememberedPositionValue}) {
    DeleteDeskValue(name);
  }
  DeleteDeskSection(kRememberedMonitorsSection);
}

// Each monitor the shell shows now gets its remembered file back (the one wallpaper where it had
// none of its own), in the remembered position. S_OK, or the first refusal.
HRESULT RestoreEachMonitor(const DesktopShell& shell, const std::wstring& single) {
  const auto monitors = ReadDeskSection(kRememberedMonitorsSection);
  HRESULT result = shell.SetPosition(RememberedNumber(kRememberedPositionValue).value_or(kCentredPosition));
  for (const auto& [id, path] : monitors) {
    if (FAILED(result)) break;
    if (!Names(shell.MonitorIds(), id)) continue;  // not attached now: nothing to show it on
    result = shell.SetWallpaper(id, path.empty() ? single : path);
  }
  return result;
}

}  // namespace

DesktopState CurrentDesktop(const DesktopShell* shell, const std::vector<Monitor>& monitors) {
  DesktopState state{CurrentWallpaperState(), {}, std::nullopt, DesktopColour()};
  if (!shell) return state;
  for (const Monitor& monitor : monitors) state.monitors.emplace_back(monitor.id, shell->Wallpaper(monitor.id));
  state.position = shell->Position();
  if (const auto colour = shell->BackgroundColour()) state.colour = *colour;
  return state;
}

bool Covered() { return ReadDeskValue(kRememberedWallpaperValue).has_value(); }

void Remember(const DesktopState& before, const std::wstring& folder, bool perMonitor,
              const std::vector<std::wstring>& named) {
  if (!Covered()) {
    WriteDeskValue(kRememberedStyleValue, before.single.style);
    WriteDeskValue(kRememberedTileValue, before.single.tile);
    WriteDeskValue(kRememberedColourValue, std::to_wstring(before.colour));
    // Last: its presence says that the rest is remembered.
    WriteDeskValue(kRememberedWallpaperValue, WallpaperToRemember(false, before.single.path, folder).value_or(L""));
  }
  // The shell's position is the user's until TezunDesk first sets a wallpaper per monitor.
  if (perMonitor && before.position && !ReadDeskValue(kRememberedPositionValue)) {
    WriteDeskValue(kRememberedPositionValue, std::to_wstring(*before.position));
  }
  const auto remembered = ReadDeskSection(kRememberedMonitorsSection);
  const auto known = [&](const std::wstring& id) {
    return std::any_of(remembered.begin(), remembered.end(), [&](const auto& entry) { return entry.first == id; });
  };
  for (const auto& [id, path] : before.monitors) {
    if (perMonitor && !known(id)) {
      WriteDeskValue(id.c_str(), WallpaperToRemember(false, path, folder).value_or(L""), kRememberedMonitorsSection);
    }
  }
  if (named.empty()) return;  // no shell to say which monitors are gone
  for (const auto& entry : remembered) {
    if (!Names(named, entry.first)) DeleteDeskValue(entry.first.c_str(), kRememberedMonitorsSection);
  }
}

void RestoreRememberedWallpaper() {
  const WritingTurn turn;
  const auto single = ReadDeskValue(kRememberedWallpaperValue);
  if (!single) throw DeskError{kExitUnwritable, Wide(kNothingRemembered)};
  const auto shell = ReadDeskSection(kRememberedMonitorsSection).empty() ? std::nullopt : DesktopShell::Open();
  if (shell) {
    const HRESULT result = RestoreEachMonitor(*shell, *single);
    if (FAILED(result)) throw DeskError{kExitUnwritable, Wide(kCannotRestore) + ErrorText(result)};
  } else {
    SetWallpaperState({*single, ReadDeskValue(kRememberedStyleValue).value_or(L"0"),
                       ReadDeskValue(kRememberedTileValue).value_or(L"0")});
  }
  // The colour is TezunDesk's to put back only when it changed; a refusal leaves the picture back.
  if (const auto colour = RememberedNumber(kRememberedColourValue)) {
    const auto wanted = static_cast<COLORREF>(*colour);
    if (wanted != DesktopColour()) {
      if (shell) {
        shell->SetBackgroundColour(wanted);
      } else {
        SetDesktopColour(wanted);
      }
    }
  }
  Forget();
}

}  // namespace tezun::desk
