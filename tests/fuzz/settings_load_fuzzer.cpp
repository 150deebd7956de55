// Loading the settings from a registry built out of the input: values of any type and bytes, with
// or without their NUL, under the real sections and names and others; keys that refuse writing;
// data that grows, shrinks or changes between the size query and the fetch. A load either fills
// the record or fails with ERegistryException, and reads nothing out of bounds; a record that
// loaded saves into a fresh registry and loads back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "check.h"
#include "core/integer_text.h"
#include "core/memory_registry.h"
#include "core/settings_store.h"

namespace {

using namespace tezun;

constexpr const char* kSections[] = {
    "Option",          "Font\\Weekday", "Font\\Saturday", "Font\\Sunday", "Font\\Holiday",
    "Font\\DayOfWeek", "Position",      "Calender",       "Font",         "FONT\\SUNDAY",
};
constexpr const char* kNames[] = {
    "Style1",     "Style2",     "Left",    "Top",      "Width",    "Height",    "DayOfWeekStyle",
    "TodayStyle", "TodayColor", "BgColor", "FontName", "FontSize", "FontColor", "FontStyle",
    "WIDTH",      "fontname",   "",        "Style",    "Left ",
};
constexpr const char* kHostKeys[] = {"", "Software\\A\\PlugIn", "\\Software\\B", "Software\\\\C", "\\"};
constexpr uint32_t kTypes[] = {kRegSz, kRegExpandSz, kRegBinary, kRegDword};

std::string PickHostKey(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeRandomLengthString(16);
  return input.PickValueInArray(kHostKeys);
}

// Text the integer rules read, or any bytes; with or without a NUL after it.
std::string PickData(FuzzedDataProvider& input) {
  std::string data;
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      data = FormatSettingInteger(input.ConsumeIntegral<int32_t>());
      break;
    case 1:
      data = std::string(input.ConsumeIntegralInRange(0, 3), ' ') + "$" +
             std::to_string(input.ConsumeIntegral<uint16_t>());
      break;
    default:
      data = input.ConsumeRandomLengthString(48);
      break;
  }
  if (input.ConsumeBool()) data.push_back('\0');
  return data;
}

uint32_t PickType(FuzzedDataProvider& input) {
  if (input.ConsumeIntegralInRange(0, 7) == 0) return input.ConsumeIntegral<uint32_t>();
  return input.PickValueInArray(kTypes);
}

// The node at the path below root, made on the way, writable or not as the input says.
MemoryKeyNode& NodeAt(MemoryKeyNode& root, const std::vector<std::string>& parts) {
  MemoryKeyNode* node = &root;
  for (const std::string& part : parts) node = &node->subkeys[part];
  return *node;
}

// What the registry does to a value between the size query and the fetch, as the input says.
void ChangeBeforeFetch(FuzzedDataProvider& input, MemoryValue& value) {
  switch (input.ConsumeIntegralInRange(0, 5)) {
    case 1:
      value.data += input.ConsumeRandomLengthString(64);  // grows, maybe not at all
      break;
    case 2:
      value.data.resize(input.ConsumeIntegralInRange<size_t>(0, value.data.size()));  // shrinks
      break;
    case 3:
      value.data = PickData(input);
      break;
    case 4:
      value.type = PickType(input);
      break;
    case 5:
      value.data.clear();
      break;
    default:
      break;
  }
}

// Saves the record into a fresh registry under the same host key and loads it again.
void CheckRoundTrip(const std::string& hostKey, const TCalendarSettings& loaded, ScreenPoint dialog) {
  MemoryRegistry fresh;
  const auto root = fresh.Root();
  auto store = OpenSettingsStore(*root, hostKey);
  // A key path with an empty part cannot be created, so nothing can be saved there.
  const bool storable = !SplitKeyPath(SettingsKeyPath(hostKey)).empty();
  try {
    SaveSettings(store, loaded);
    WriteWindowPositions(store, dialog, {dialog.y, dialog.x});
  } catch (const ERegistryException&) {
    FUZZ_CHECK(!storable);
    return;
  }
  FUZZ_CHECK(storable);

  TCalendarSettings again;
  const auto reopened = OpenSettingsStore(*root, hostKey);
  LoadSettings(reopened, again);
  FUZZ_CHECK(again == loaded);
  const ScreenPoint dialogAgain = ReadDialogPosition(reopened);
  FUZZ_CHECK(dialogAgain.x == dialog.x && dialogAgain.y == dialog.y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryRegistry registry;
  const std::string hostKey = PickHostKey(input);
  const std::vector<std::string> keyParts = SplitKeyPath(SettingsKeyPath(hostKey));

  size_t valuesStored = 0;
  if (!keyParts.empty()) {
    MemoryKeyNode& key = NodeAt(registry.root(), keyParts);
    key.writable = input.ConsumeIntegralInRange(0, 15) != 0;
    for (int i = 0; i < 40 && input.remaining_bytes() > 0; ++i) {
      MemoryKeyNode& section = NodeAt(key, SplitKeyPath(input.PickValueInArray(kSections)));
      section.writable = input.ConsumeIntegralInRange(0, 7) != 0;
      const std::string name = input.PickValueInArray(kNames);
      const uint32_t type = PickType(input);
      section.values[name] = MemoryValue{type, PickData(input)};
      ++valuesStored;
    }
  }
  registry.beforeFetch = [&input](MemoryValue& value) { ChangeBeforeFetch(input, value); };

  TCalendarSettings loaded;
  ScreenPoint dialog;
  try {
    const auto root = registry.Root();
    const auto store = OpenSettingsStore(*root, hostKey);
    LoadSettings(store, loaded);
    dialog = ReadDialogPosition(store);
  } catch (const ERegistryException&) {
    return 0;  // a value that cannot be fetched or is not text: the user is told
  }
  if (valuesStored == 0) FUZZ_CHECK(loaded == DefaultSettings());
  CheckRoundTrip(hostKey, loaded, dialog);
  return 0;
}
