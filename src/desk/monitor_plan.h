// Which pictures a composition makes and how Windows is given them, from the monitors found: a
// plain value, so that every arrangement of monitors can be checked without a desktop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tezun::desk {

// A rectangle of the virtual screen in physical pixels; right and bottom are exclusive.
struct DeskRect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
  int64_t width() const { return right - left; }
  int64_t height() const { return bottom - top; }
  bool operator==(const DeskRect&) const = default;
};

struct Monitor {
  std::wstring id;  // the shell's device path where it names monitors, else empty
  DeskRect rect;
};

// How the pictures reach Windows.
enum class SettingWay {
  Single,      // one monitor: the plug-in's picture alone, centred, as with one screen always
  PerMonitor,  // the shell's per-monitor wallpaper: a file for each monitor, each centred
  Span,        // one picture of the virtual screen, shown spanned across the monitors
  Tile,        // the same picture tiled from the primary's corner, where Windows has no span:
               // tiles start at the primary's top-left, so what lies left of or above it wraps
};

struct DeskSize {
  int64_t width = 0;
  int64_t height = 0;
  bool operator==(const DeskSize&) const = default;
};

struct DeskPoint {
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const DeskPoint&) const = default;
};

// One monitor's picture: the plug-in's for the primary, the picture to decorate alone for the
// others. `at` says where it goes in the one file (Span and Tile, more than once where it wraps);
// in the ways with a file of its own it is its file's corner.
struct MonitorPart {
  Monitor monitor;
  bool primary = false;
  std::vector<DeskPoint> at;
};

struct CompositionPlan {
  SettingWay way = SettingWay::Single;
  DeskSize file;                   // the one file's size (Single, Span, Tile)
  std::vector<MonitorPart> parts;  // the primary first, then the others as found
};

// The plan for `monitors` (at least one). The primary is the monitor whose corner is the virtual
// screen's origin (0, 0), as Windows places it; monitors that show the same rectangle (a
// duplicated display) count once. `perMonitor`: the shell sets a wallpaper per monitor;
// `spanKnown`: Windows knows the span style (Windows 8 and later).
CompositionPlan PlanComposition(const std::vector<Monitor>& monitors, bool perMonitor, bool spanKnown);

}  // namespace tezun::desk
