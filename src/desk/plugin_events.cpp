#include "plugin_events.h"

#include <windows.h>

#include <cstring>
#include <optional>

#include "desk_error.h"
#include "events_value.h"
#include "handles.h"
#include "picture_choice.h"
#include "plugin_settings_snapshot.h"
#include "program_path.h"
#include "texts.h"

namespace tezun::desk {
namespace {

constexpr char kEventsValue[] = "Events";

// The value's bytes as the plug-in reads them: through the ANSI functions, which give code page
// 932 on a Japanese Windows; `text` false when it is there but no text, which the plug-in refuses.
struct EventsRead {
  std::optional<std::string> bytes;
  bool text = true;
};

EventsRead ReadEvents() {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kPluginOptionKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return {};
  const RegistryKey key(opened);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(opened, kEventsValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {std::nullopt, false};
  std::string bytes(size + 1, '\0');
  size = static_cast<DWORD>(bytes.size());
  if (RegQueryValueExA(opened, kEventsValue, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  bytes.resize(strnlen(bytes.data(), size));  // the text ends at its first NUL, as the plug-in reads it
  return {std::move(bytes), true};
}

// The value written, or taken away when empty; the registry's error code.
LSTATUS WriteEvents(const std::string& bytes) {
  HKEY created = nullptr;
  const LSTATUS opened =
      RegCreateKeyExW(HKEY_CURRENT_USER, kPluginOptionKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr);
  if (opened != ERROR_SUCCESS) return opened;
  const RegistryKey key(created);
  if (bytes.empty()) return RegDeleteValueA(created, kEventsValue);
  return RegSetValueExA(created, kEventsValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.c_str()),
                        static_cast<DWORD>(bytes.size() + 1));
}

// A path of the value as Windows names it, made whole from the current folder as the plug-in,
// loaded in this process, makes it.
std::wstring WholePath(std::string_view shiftJis) { return FullPath(Wide(std::string(shiftJis).c_str())); }

// The folder's short name, which Shift-JIS can spell where its long one has characters beyond it
// (as a user's name may); empty when it has none.
std::wstring ShortName(const std::wstring& folder) {
  std::wstring name(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(folder.c_str(), name.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  name.resize(length);
  return name;
}

// Whether a path of the value names the folder, by its long or its short name.
NamesFolder Naming(const std::wstring& folder, const std::wstring& shortName) {
  return [folder, shortName](std::string_view path) {
    const std::wstring whole = WholePath(path);
    return SamePath(whole, folder) || (!shortName.empty() && SamePath(whole, shortName));
  };
}

uint64_t Joined(DWORD high, DWORD low) { return (uint64_t{high} << 32) | low; }

// The calendar files directly in `folder`.
void AddCalendarsIn(const std::wstring& folder, std::vector<FileStamp>& stamps) {
  WIN32_FIND_DATAW found{};
  const FindHandle find(NullWhenInvalid(FindFirstFileW((folder + L"\\*").c_str(), &found)));
  if (!find) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsCalendarName(found.cFileName)) continue;
    stamps.push_back({folder + L"\\" + found.cFileName, Joined(found.nFileSizeHigh, found.nFileSizeLow),
                      Joined(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime)});
  } while (FindNextFileW(find.get(), &found));
}

}  // namespace

EventFilesSeen LookAtEventFiles() {
  const EventsRead events = ReadEvents();
  if (!events.bytes || !EventsReadable(*events.bytes)) return {};  // the plug-in reads no events then
  EventFilesSeen seen;
  std::vector<NamedPath> named;
  for (const std::string& text : EventsPaths(*events.bytes)) {
    const std::wstring path = WholePath(text);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
      named.push_back({path, PathKind::Missing});
    } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      named.push_back({path, PathKind::Folder});
      AddCalendarsIn(path, seen.stamps);
    } else {
      named.push_back({path, PathKind::File});
      seen.stamps.push_back({path, Joined(data.nFileSizeHigh, data.nFileSizeLow),
                             Joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)});
    }
  }
  seen.folders = WatchedFolders(named);
  return seen;
}

void NameInPluginEvents(const std::wstring& folder) {
  const auto refused = [&](const std::wstring& why) {
    return DeskError{kExitUnwritable, Wide(kCannotNameFolder) + folder + L"\n" + why};
  };
  const std::wstring shortName = ShortName(folder);
  std::optional<std::string> spelt = ShiftJis(folder);
  if (!spelt && !shortName.empty()) spelt = ShiftJis(shortName);
  if (!spelt) throw refused(Wide(kFolderBeyondShiftJis));
  const EventsRead events = ReadEvents();
  if (!events.text) throw refused(ErrorText(ERROR_DATATYPE_MISMATCH));
  const auto named = EventsNaming(events.bytes.value_or(""), *spelt, Naming(folder, shortName));
  if (!named) return;
  if (!EventsReadable(*named)) throw refused(Wide(kEventsTooLong));
  if (const LSTATUS written = WriteEvents(*named); written != ERROR_SUCCESS) throw refused(ErrorText(written));
}

void UnnameInPluginEvents(const std::wstring& folder) {
  const EventsRead events = ReadEvents();
  if (!events.bytes) return;
  const auto left = EventsNotNaming(*events.bytes, Naming(folder, ShortName(folder)));
  if (left) WriteEvents(EventsPaths(*left).empty() ? std::string() : *left);
}

}  // namespace tezun::desk
