// tezunhost: loads a plug-in by path and calls it as the host wallpaper application does.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench.h"
#include "core/holiday_rules.h"
#include "core/own_day_file.h"
#include "core/own_days.h"
#include "core/settings_store.h"
#include "date_text.h"
#include "dpi_awareness.h"
#include "event_listing.h"
#include "graphics/code_page.h"
#include "graphics/gdi_handles.h"
#include "graphics/screen.h"
#include "host_error.h"
#include "koyomi_listing.h"
#include "picture_files.h"
#include "plugin/win32_registry.h"
#include "plugin_module.h"
#include "soak.h"

namespace tezunhost {

constexpr char kUsage[] =
    "usage: tezunhost info [--awareness unaware] [--plugin PATH]\n"
    "       tezunhost compose --in PICTURE --out PICTURE [--key KEY] [--awareness unaware] [--plugin PATH]\n"
    "       tezunhost settings [--in PICTURE] [--key KEY] [--plugin PATH]\n"
    "       tezunhost screenshot --out PICTURE [--after SECONDS]\n"
    "       tezunhost soak [--calls N | --reloads N] [--plugin PATH]\n"
    "       tezunhost bench [--compare PATH] [--plugin PATH]\n"
    "       tezunhost holidays --year Y [--rules table|current] [--key KEY]\n"
    "       tezunhost days --import FILE [--key KEY]\n"
    "       tezunhost koyomi --year Y [--all]\n"
    "       tezunhost events --year Y --month M [--key KEY]\n"
    "PICTURE: PNG, BMP or JPEG in; PNG or BMP out. KEY: the host's registry key text (empty: the\n"
    "default one). FILE: the Cabinet Office's holiday CSV, or a list of own days (Shift-JIS,\n"
    "UTF-8 or UTF-16 text).\n"
    "Y: a year; for koyomi one from 1900 to 2100, whose days it lists with their old-calendar dates;\n"
    "--all adds each day's place in the sixty-day cycle, its seasonal and lucky days, the Moon's phase.\n"
    "events: each event of month M of year Y that the Events stored at the key names, a line for each\n"
    "day it is on, in the order the calendar draws them (Shift-JIS; the machine's time zone).\n"
    "PATH: the plug-in, by default Tezun.bpi beside tezunhost.exe.\n"
    "--awareness unaware: call from a thread that declares no DPI awareness, as old hosts do.\n";
constexpr char kSeeUsage[] = " (tezunhost without arguments shows how to call it)";

namespace {

struct Arguments {
  std::wstring command;
  std::map<std::wstring, std::wstring> options;

  std::optional<std::wstring> Get(const wchar_t* name) const {
    auto found = options.find(name);
    if (found == options.end()) return std::nullopt;
    return found->second;
  }
  std::wstring Require(const wchar_t* name) const {
    auto value = Get(name);
    if (!value) throw HostError("missing " + Utf8(name) + kSeeUsage);
    return *value;
  }
};

Arguments Parse(int argc, wchar_t** argv) {
  Arguments arguments{argv[1], {}};
  for (int i = 2; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (name == L"--all") {  // the one option that takes no value
      arguments.options[name] = L"";
      continue;
    }
    if (!name.starts_with(L"--") || i + 1 >= argc) throw HostError("bad argument " + Utf8(name) + kSeeUsage);
    arguments.options[name] = argv[++i];
  }
  return arguments;
}

std::wstring DefaultPluginPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"Tezun.bpi";
}

// The key text as the host passes it: ANSI (Shift-JIS) bytes.
std::string AnsiText(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, text.c_str(), length, out.data(), size, nullptr, nullptr);
  return out;
}

int Info(const PluginModule& plugin) {
  for (int32_t kind = 0; kind <= 3; ++kind) {
    char text[256] = {};
    plugin.GetPlugInInfo(kind, text);
    std::printf("%d\t%s\n", kind, text);  // the texts' own bytes: Shift-JIS
  }
  // What a call from this thread composes at: the screen it sees, the real one, and the factor.
  const tezun::ScreenGeometry screen = tezun::MeasureScreen();
  std::printf("screen\t%ld x %ld seen, %ld x %ld physical, scale %.4g x %.4g\n", screen.seen.cx, screen.seen.cy,
              screen.physical.cx, screen.physical.cy, static_cast<double>(screen.physical.cx) / screen.seen.cx,
              static_cast<double>(screen.physical.cy) / screen.seen.cy);
  return 0;
}

int Compose(const PluginModule& plugin, const Arguments& arguments) {
  const std::wstring in = arguments.Require(L"--in");
  const std::wstring out = arguments.Require(L"--out");
  const std::string key = AnsiText(arguments.Get(L"--key").value_or(L""));
  ComApartment com;
  HBITMAP wallpaper = ReadPicture(in);
  plugin.ExecutePlugIn(nullptr, key.c_str(), &wallpaper);
  const tezun::BitmapHandle result(wallpaper);  // the plug-in's result, ours to delete
  WritePicture(result.get(), out);
  return 0;
}

int Settings(const PluginModule& plugin, const Arguments& arguments) {
  const std::string key = AnsiText(arguments.Get(L"--key").value_or(L""));
  ComApartment com;
  const auto in = arguments.Get(L"--in");
  HBITMAP wallpaper = in ? ReadPicture(*in) : nullptr;
  plugin.SettingPlugIn(nullptr, key.c_str(), wallpaper);  // the plug-in deletes the bitmap
  return 0;
}

// The own days stored at the host key, read without creating anything.
tezun::OwnDayList StoredOwnDays(const std::string& key) {
  const auto currentUser = tezun::CurrentUserKey();
  const tezun::SettingsStore store(*currentUser, key, tezun::SettingsStore::Opening::ReadOnly);
  const auto list = store.ReadLongSettingText("Option", "OwnDays", tezun::kMaxOwnDaysBytes);
  if (list.tooLong) throw HostError("the stored own days are longer than 64 KiB");
  return tezun::OwnDayList(list.text);
}

// The holidays and days off of a year, a line each: the date and the name in Shift-JIS. The
// rules are the built-in table (the default) or the holiday law in force on each date. With a
// key, the own days stored there too, each as a day off or a working day with its name.
int Holidays(const Arguments& arguments) {
  const std::string yearText = Utf8(arguments.Require(L"--year"));
  int year = 0;
  const auto [end, error] = std::from_chars(yearText.data(), yearText.data() + yearText.size(), year);
  if (error != std::errc{} || end != yearText.data() + yearText.size() || year < 1 || year > 9999) {
    throw HostError("--year " + yearText + " is not a year from 1 to 9999");
  }
  const std::wstring rules = arguments.Get(L"--rules").value_or(L"table");
  if (rules != L"table" && rules != L"current") {
    throw HostError("--rules " + Utf8(rules) + " is neither table nor current");
  }
  const auto ruleSet = rules == L"current" ? tezun::HolidayRuleSet::Current : tezun::HolidayRuleSet::Table;
  std::vector<std::pair<std::string, std::string>> lines;  // by date, then as they come
  for (const tezun::NamedDay& day : tezun::HolidaysOfYear(year, ruleSet))
    lines.emplace_back(DateText(day.date), day.name);
  if (const auto key = arguments.Get(L"--key")) {
    using namespace std::chrono;
    const tezun::OwnDayList own = StoredOwnDays(AnsiText(*key));
    const sys_days last{std::chrono::year{year} / December / 31};
    for (sys_days day{std::chrono::year{year} / January / 1}; day <= last; day += days{1}) {
      if (const tezun::OwnDayEntry* entry = own.EntryOn(day)) {
        lines.emplace_back(DateText(year_month_day{day}),
                           std::string(entry->workingDay ? "working day\t" : "day off\t") + entry->name);
      }
    }
  }
  std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [date, text] : lines) std::printf("%s\t%s\n", date.c_str(), text.c_str());
  return 0;
}

// Why a file of own days was refused, in English like every message of the host.
std::string Refusal(const tezun::OwnDayFileImport& refused) {
  const std::string line = "line " + std::to_string(refused.line.number);
  switch (refused.fault) {
    case tezun::OwnDayFileFault::NotText:
      return "not a text file this can read: save it as Shift-JIS, UTF-8 or UTF-16 (\"Unicode text\")";
    case tezun::OwnDayFileFault::NoShiftJisForm: {
      char character[16];
      std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(refused.character));
      return line + " holds " + character + ", which Shift-JIS cannot hold: " + refused.line.text;
    }
    case tezun::OwnDayFileFault::UnreadableLine:
      return line + " cannot be read: " + refused.line.text;
    case tezun::OwnDayFileFault::None:
      break;
  }
  return {};
}

// Adds the days of a file (the Cabinet Office's CSV, or a list of the same form, in Shift-JIS,
// UTF-8 or UTF-16) to the own days stored at the key, as the own days' editor's import does, for
// an administrator who hands out a company calendar. A file that cannot be read adds nothing.
int Days(const Arguments& arguments) {
  const std::wstring path = arguments.Require(L"--import");
  const std::string key = AnsiText(arguments.Get(L"--key").value_or(L""));
  std::ifstream file(path.c_str(), std::ios::binary);
  if (!file) throw HostError("cannot read " + Utf8(path));
  const std::string bytes(std::istreambuf_iterator<char>(file), {});
  const tezun::OwnDayFileImport imported = tezun::ImportOwnDayFile(bytes, tezun::ToCodePage932);
  if (imported.fault != tezun::OwnDayFileFault::None) throw HostError(Utf8(path) + ": " + Refusal(imported));
  std::string list = StoredOwnDays(key).Text();
  if (!list.empty() && !list.ends_with('\n')) list += "\r\n";
  list += imported.lines;
  if (list.size() >= tezun::kMaxOwnDaysBytes) throw HostError("the own days would be longer than 64 KiB");
  const auto currentUser = tezun::CurrentUserKey();
  tezun::SettingsStore store(*currentUser, key);
  store.WriteSettingText("Option", "OwnDays", list);
  std::printf("%zu days added to %s\n", tezun::SplitLines(imported.lines).size(), tezun::SettingsKeyPath(key).c_str());
  return 0;
}

// The whole screen as it is now, e.g. with another program's windows open on it.
int Screenshot(const Arguments& arguments) {
  const std::wstring out = arguments.Require(L"--out");
  Sleep(static_cast<DWORD>(std::stod(arguments.Get(L"--after").value_or(L"0")) * 1000));
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const tezun::ScreenDC screen;
  const tezun::BitmapHandle picture(CreateCompatibleBitmap(screen.get(), width, height));
  {
    const tezun::MemoryDC memory;
    const tezun::Selection selected(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  }
  ComApartment com;
  WritePicture(picture.get(), out);
  return 0;
}

int Run(int argc, wchar_t** argv) {
  const Arguments arguments = Parse(argc, argv);
  if (const auto awareness = arguments.Get(L"--awareness")) {
    if (*awareness != L"unaware") throw HostError("--awareness " + Utf8(*awareness) + " is not unaware");
    if (!MakeThreadDpiUnaware()) throw HostError("this system cannot make a thread DPI-unaware");
  }
  if (arguments.command == L"screenshot") return Screenshot(arguments);
  if (arguments.command == L"holidays") return Holidays(arguments);
  if (arguments.command == L"days") return Days(arguments);
  if (arguments.command == L"events") {
    return PrintEvents(Utf8(arguments.Require(L"--year")), Utf8(arguments.Require(L"--month")),
                       AnsiText(arguments.Get(L"--key").value_or(L"")));
  }
  if (arguments.command == L"koyomi") {
    return PrintKoyomi(Utf8(arguments.Require(L"--year")), arguments.Get(L"--all").has_value());
  }
  const std::wstring pluginPath = arguments.Get(L"--plugin").value_or(DefaultPluginPath());
  if (arguments.command == L"soak") {
    // The soak loads the plug-in itself: reloading, nothing else may hold it loaded.
    const auto reloads = arguments.Get(L"--reloads");
    return Soak(pluginPath, std::stoi(reloads.value_or(arguments.Get(L"--calls").value_or(L"10000"))),
                reloads.has_value());
  }
  const PluginModule plugin(pluginPath);
  if (arguments.command == L"info") return Info(plugin);
  if (arguments.command == L"bench") {
    const auto compare = arguments.Get(L"--compare");
    const std::optional<PluginModule> before =
        compare ? std::optional<PluginModule>(std::in_place, *compare) : std::nullopt;
    return Bench(plugin, before ? &*before : nullptr);
  }
  if (arguments.command == L"compose") return Compose(plugin, arguments);
  if (arguments.command == L"settings") return Settings(plugin, arguments);
  throw HostError("unknown command " + Utf8(arguments.command) + kSeeUsage);
}

}  // namespace
}  // namespace tezunhost

int wmain(int argc, wchar_t** argv) {
  // The texts go out as the plug-in's own bytes, without line-end translation.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) {
    std::fputs(tezunhost::kUsage, stderr);
    return 2;
  }
  try {
    return tezunhost::Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tezunhost: %s\n", error.what());
    return 1;
  }
}
