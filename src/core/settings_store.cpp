#include "settings_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <span>
#include <vector>

#include "integer_text.h"
#include "texts.h"

namespace tezun {
namespace {

[[noreturn]] void Fail(std::string_view pattern, std::string_view argument) {
  const size_t at = pattern.find("%s");
  std::string message(pattern.substr(0, at));
  message += argument;
  message += pattern.substr(at + 2);
  throw ERegistryException(message);
}

// The text of a value read into the buffer: it must be text, and it ends at its first NUL, or at
// the end of the data when none was stored.
std::string TextOf(const RegistryValue& value, std::span<const char> buffer, const std::string& name) {
  if (value.type != kRegSz && value.type != kRegExpandSz) Fail(kBadValueType, name);
  const size_t length = std::min<size_t>(value.size, buffer.size());
  return std::string(buffer.data(), strnlen(buffer.data(), length));
}

}  // namespace

std::string SettingsKeyPath(std::string_view hostKey) {
  std::string path = hostKey.empty() ? std::string(kDefaultSettingsKey) : std::string(hostKey) + "\\Tezun";
  if (path.starts_with('\\')) path.erase(0, 1);
  return path;
}

SettingsStore::SettingsStore(RegistryKey& currentUser, std::string_view hostKey, Opening opening)
    : key_(opening == Opening::CreateKey ? currentUser.CreateKey(SettingsKeyPath(hostKey))
                                         : currentUser.OpenKey(SettingsKeyPath(hostKey), RegistryAccess::Read)) {}

RegistryKey* SettingsStore::Section(const std::string& section) const {
  if (!section_ || section_->name != section) {
    section_.reset();  // the section read before is closed first
    // Read access is enough, so a section the user may read but not write still gives its values.
    section_ = OpenSection{section, key_ ? key_->OpenKey(section, RegistryAccess::Read) : nullptr};
  }
  return section_->key.get();
}

std::optional<SettingsStore::LongText> SettingsStore::ReadValueText(const std::string& section, const std::string& name,
                                                                    size_t maxBytes) const {
  RegistryKey* sectionKey = Section(section);
  if (!sectionKey) return std::nullopt;
  // Ordinary values fit this buffer and come in one query; a longer one is fetched again into a
  // buffer of the size it reported.
  std::array<char, 256> ordinary{};
  const std::optional<RegistryValue> value = sectionKey->QueryValue(name, ordinary);
  if (!value) return std::nullopt;
  if (value->size == 0) return LongText{};
  if (value->fits) return LongText{TextOf(*value, ordinary, name)};
  if (value->type != kRegSz && value->type != kRegExpandSz) Fail(kBadValueType, name);
  if (value->size > maxBytes) return LongText{{}, true};
  // The data may have changed since its size was reported: a value that has grown is a fetch
  // error, one that has shrunk is read as far as it goes.
  std::vector<char> longer(value->size);
  const std::optional<RegistryValue> fetched = sectionKey->QueryValue(name, longer);
  if (!fetched || !fetched->fits) Fail(kFetchValueFailed, name);
  return LongText{TextOf(*fetched, longer, name)};
}

int32_t SettingsStore::ReadSettingInteger(const std::string& section, const std::string& name, int32_t fallback) const {
  const auto value = ReadValueText(section, name);
  if (!value) return fallback;
  return ParseSettingInteger(value->text).value_or(fallback);
}

std::string SettingsStore::ReadSettingText(const std::string& section, const std::string& name,
                                           const std::string& fallback) const {
  const auto value = ReadValueText(section, name);
  return value ? value->text : fallback;
}

SettingsStore::LongText SettingsStore::ReadLongSettingText(const std::string& section, const std::string& name,
                                                           size_t maxBytes) const {
  return ReadValueText(section, name, maxBytes).value_or(LongText{});
}

void SettingsStore::WriteSettingInteger(const std::string& section, const std::string& name, int32_t value) {
  WriteSettingText(section, name, FormatSettingInteger(value));
}

void SettingsStore::WriteSettingText(const std::string& section, const std::string& name, std::string_view value) {
  section_.reset();  // a write may create the section a read found missing
  if (!key_ || !key_->CreateKey(section)) Fail(kCreateKeyFailed, section);
  const auto sectionKey = key_->OpenKey(section, RegistryAccess::Full);
  if (!sectionKey) return;
  if (!sectionKey->SetStringValue(name, value)) Fail(kSetValueFailed, name);
}

void LoadSettings(const SettingsStore& store, TCalendarSettings& settings) {
  for (const auto& entry : kOptionEntries) {
    settings.*entry.field = store.ReadSettingInteger("Option", entry.name, entry.fallback);
  }
  for (const auto& entry : kFontSections) {
    TCalFont& font = settings.Fonts.*entry.font;
    font.Name = store.ReadSettingText(entry.section, "FontName", kDefaultFontName);
    font.Size = store.ReadSettingInteger(entry.section, "FontSize", kDefaultFontSize);
    font.Color = store.ReadSettingInteger(entry.section, "FontColor", entry.defaultColor);
    // Always the stored low byte, so a stored 0 (or none) means no style, whatever an earlier
    // cancelled dialog left in the record.
    font.Style = static_cast<uint8_t>(store.ReadSettingInteger(entry.section, "FontStyle", 0));
  }
  // A save leaves them alone: the settings dialog writes one only when the user changes it. They
  // come after the 30 others, so that those load as they always have even when one cannot be read.
  for (const auto& entry : kExtraOptions) {
    settings.*entry.field = store.ReadSettingInteger("Option", entry.name, entry.fallback);
  }
  // However long the list, it is one value; one beyond any sane size is not even fetched.
  SettingsStore::LongText ownDays = store.ReadLongSettingText("Option", "OwnDays", kMaxOwnDaysBytes);
  settings.OwnDays = OwnDayList(std::move(ownDays.text));
  settings.OwnDaysTooLong = ownDays.tooLong;
  for (const auto& entry : kDayNoteOptions) {
    settings.*entry.field = store.ReadSettingInteger("Option", entry.name, entry.fallback);
  }
  // Paths, however many: one beyond any sane length is not fetched, and names no file.
  settings.Events = store.ReadLongSettingText("Option", "Events", kMaxEventsBytes).text;
  for (const auto& entry : kEventOptions) {
    settings.*entry.field = store.ReadSettingInteger("Option", entry.name, entry.fallback);
  }
}

void SaveSettings(SettingsStore& store, const TCalendarSettings& settings) {
  for (const auto& entry : kOptionEntries) store.WriteSettingInteger("Option", entry.name, settings.*entry.field);
  for (const auto& entry : kFontSections) {
    const TCalFont& font = settings.Fonts.*entry.font;
    store.WriteSettingText(entry.section, "FontName", font.Name);
    store.WriteSettingInteger(entry.section, "FontSize", font.Size);
    store.WriteSettingInteger(entry.section, "FontColor", font.Color);
    store.WriteSettingInteger(entry.section, "FontStyle", font.Style);
  }
}

void SaveChangedOptions(SettingsStore& store, const TCalendarSettings& opened, const TCalendarSettings& edited) {
  auto saveChanged = [&](const auto& entries) {
    for (const ExtraOptionEntry& entry : entries) {
      if (entry.meaning(edited.*entry.field) != entry.meaning(opened.*entry.field)) {
        store.WriteSettingInteger("Option", entry.name, edited.*entry.field);
      }
    }
  };
  saveChanged(kExtraOptions);
  if (edited.OwnDays != opened.OwnDays) store.WriteSettingText("Option", "OwnDays", edited.OwnDays.Text());
  saveChanged(kDayNoteOptions);
  if (edited.Events != opened.Events) store.WriteSettingText("Option", "Events", edited.Events);
  saveChanged(kEventOptions);
}

ScreenPoint ReadDialogPosition(const SettingsStore& store) {
  ScreenPoint position;
  position.y = store.ReadSettingInteger("Position", "Top", 0);
  position.x = store.ReadSettingInteger("Position", "Left", 0);
  return position;
}

void WriteWindowPositions(SettingsStore& store, ScreenPoint dialog, ScreenPoint calendar) {
  // Each position is written even when one before it failed; the first failure is reported after.
  const struct {
    const char* section;
    const char* name;
    int32_t value;
  } positions[] = {{"Position", "Top", dialog.y},
                   {"Position", "Left", dialog.x},
                   {"Calender", "Top", calendar.y},
                   {"Calender", "Left", calendar.x}};
  std::exception_ptr failure;
  for (const auto& position : positions) {
    try {
      store.WriteSettingInteger(position.section, position.name, position.value);
    } catch (const ERegistryException&) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tezun
