// The settings' home in the registry: one key per host, a subkey per section, every value text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "registry.h"
#include "settings.h"

namespace tezun {

// A registry failure, with its message in Shift-JIS for the user.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kDefaultSettingsKey[] = "Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun";

// The key below the current user's root that holds the settings for the host's key text: the
// host's text byte for byte followed by "\Tezun", or the default path for an empty text; one
// leading backslash is dropped.
std::string SettingsKeyPath(std::string_view hostKey);

// The open store of one entry call. The key is created when missing; when even that fails, reads
// give their defaults and writes fail with an error. A store opened only to read (a tool listing
// what is stored) creates nothing: a missing key reads as the defaults.
class SettingsStore {
 public:
  enum class Opening { CreateKey, ReadOnly };
  SettingsStore(RegistryKey& currentUser, std::string_view hostKey, Opening opening = Opening::CreateKey);

  int32_t ReadSettingInteger(const std::string& section, const std::string& name, int32_t fallback) const;
  std::string ReadSettingText(const std::string& section, const std::string& name, const std::string& fallback) const;
  // A text that may be long: empty when missing, and empty and `tooLong` when its data holds
  // more than maxBytes bytes, which are then not fetched at all.
  struct LongText {
    std::string text;
    bool tooLong = false;
  };
  LongText ReadLongSettingText(const std::string& section, const std::string& name, size_t maxBytes) const;
  // Whether the store has its key: a store that could not open it reads the defaults.
  bool IsOpen() const { return key_ != nullptr; }
  void WriteSettingInteger(const std::string& section, const std::string& name, int32_t value);
  void WriteSettingText(const std::string& section, const std::string& name, std::string_view value);

 private:
  // The value's text, or nothing when the section or the value is missing.
  std::optional<LongText> ReadValueText(const std::string& section, const std::string& name,
                                        size_t maxBytes = SIZE_MAX) const;
  // The section, opened for reading; null when it cannot be opened. It stays open while the reads
  // that follow are of the same section: each opening is a round trip to the registry.
  RegistryKey* Section(const std::string& section) const;

  struct OpenSection {
    std::string name;
    std::unique_ptr<RegistryKey> key;
  };
  std::unique_ptr<RegistryKey> key_;
  mutable std::optional<OpenSection> section_;
};

inline SettingsStore OpenSettingsStore(RegistryKey& currentUser, std::string_view hostKey) {
  return SettingsStore(currentUser, hostKey);
}

// Fill the record from the store, and write it back, in the same fixed order: the 30 values of
// the option and font sections; and on loading only, after them, the extra options, the own days,
// the day notes' options, the events and their options. An error stops either at its value: the
// values before it are done, the later ones are not.
void LoadSettings(const SettingsStore& store, TCalendarSettings& settings);
void SaveSettings(SettingsStore& store, const TCalendarSettings& settings);
// After SaveSettings, what else the user changed since `opened`, in the order of loading: each
// extra option whose meaning changed, the own days when they did, each day notes' option, the
// events when they did, each of their options. A value left alone is never written, so a dialog
// in which nobody touched them stores what it always has.
void SaveChangedOptions(SettingsStore& store, const TCalendarSettings& opened, const TCalendarSettings& edited);

// Outer top-left corners of the settings dialog and of the calendar placement window.
struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};
ScreenPoint ReadDialogPosition(const SettingsStore& store);
// Writes all four that can be written, then raises the first failure.
void WriteWindowPositions(SettingsStore& store, ScreenPoint dialog, ScreenPoint calendar);

}  // namespace tezun
