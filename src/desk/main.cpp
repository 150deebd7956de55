// TezunDesk: a host of our own for Tezun.bpi that sets the wallpaper itself and keeps today's
// calendar on it.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <atomic>
#include <string>
#include <vector>

#include "calendar_fetch.h"
#include "command_line.h"
#include "composition.h"
#include "desk_error.h"
#include "desk_folder.h"
#include "desk_registry.h"
#include "handles.h"
#include "plugin_settings_snapshot.h"
#include "resident_window.h"
#include "single_instance.h"
#include "subscriptions.h"
#include "texts.h"
#include "wallpaper_memory.h"

namespace tezun::desk {
namespace {

// A failure said where the one who asked sees it: on the error stream when a script or a
// terminal gave us one, else in a message box, but never in one when nobody may be there to
// close it (a scheduled /once would wait for ever). The log has it in any case.
void Say(const std::wstring& message, bool unattended) {
  HANDLE stream = GetStdHandle(STD_ERROR_HANDLE);
  // No stream (0) and a closed one both read as FILE_TYPE_UNKNOWN.
  if (GetFileType(stream) != FILE_TYPE_UNKNOWN) {
    const std::wstring line = message + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    if (WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return;
  }
  if (!unattended)
    MessageBoxW(nullptr, message.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; words && i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}

int Resident(HINSTANCE instance) {
  const SingleInstance instanceGuard;
  if (!instanceGuard.first()) return AskRunningToCompose() ? kExitDone : kExitUnwritable;
  const ResidentWindow window(instance);
  if (!window) return kExitUnwritable;
  return RunMessageLoop();
}

// /subscribe: the subscription stored and fetched at once; a resident one, when it runs, fetches
// and composes with it. The subscription stays when the fetch fails, to be fetched again.
int SubscribeOnce(const std::wstring& address) {
  const Subscription subscription = Subscribe(address);
  const std::atomic<bool> stop{false};
  const FetchReport report = FetchSubscription(subscription, CalendarsFolder(), stop);
  AskRunningToCompose(1);
  if (!report.failure.empty()) throw DeskError{kExitFetch, FailureWords({report})};
  return kExitDone;
}

int Run(HINSTANCE instance, const DeskRequest& request) {
  Composition composition(nullptr);
  switch (request.command) {
    case DeskCommand::Resident:
      return Resident(instance);
    case DeskCommand::Once:
      composition.ComposeUnlessPaused();
      return kExitDone;
    case DeskCommand::Picture:
      Composition::ChoosePicture(request.picture);
      if (request.alsoOnce) composition.ComposeUnlessPaused();
      return kExitDone;
    case DeskCommand::Settings: {
      const std::wstring before = PluginSettingsSnapshot();
      composition.RunSettings();
      if (PluginSettingsSnapshot() != before) composition.ComposeUnlessPaused();
      return kExitDone;
    }
    case DeskCommand::Autostart:
      if (!SetAutostart(request.autostart)) {
        throw DeskError{kExitUnwritable,
                        Wide(kCannotWrite) + L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
      }
      return kExitDone;
    case DeskCommand::Restore:
      // A resident one would cover the wallpaper again at its next event, and so would one
      // started at the next log-on.
      EndRunningResidents();
      RestoreRememberedWallpaper();
      SetAutostart(false);
      return kExitDone;
    case DeskCommand::Subscribe:
      return SubscribeOnce(request.address);
    case DeskCommand::Unsubscribe:
      Unsubscribe(request.address);
      AskRunningToCompose(1);
      return kExitDone;
  }
  return kExitUsage;
}

}  // namespace
}  // namespace tezun::desk

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace tezun::desk;
  const ComApartment com;
  const std::vector<std::wstring> arguments = Arguments();
  const bool unattended = Unattended(arguments);
  const auto request = ParseCommandLine(arguments);
  if (!request) {
    Say(Wide(kUsage), unattended);
    return kExitUsage;
  }
  try {
    return Run(instance, *request);
  } catch (const DeskError& error) {
    WriteLog(RunName(*request), error.message);
    Say(error.message, unattended);
    return error.exit;
  } catch (const std::exception&) {
    WriteLog(RunName(*request), Wide(kNoMemory));
    Say(Wide(kNoMemory), unattended);
    return kExitUnwritable;
  }
}
