// The few registry operations the settings store needs, so that its rules can run over the
// Windows registry in the product and over an in-memory tree in the native tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tezun {

// Value types, numbered as the Windows registry numbers them.
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;

enum class RegistryAccess { Read, Full };

struct RegistryValue {
  uint32_t type = 0;
  uint32_t size = 0;  // bytes of data
  bool fits = true;   // false: the data is larger than the buffer given, and none was copied
};

// An open key; the key is closed when the object is destroyed. Paths are relative to this key
// and may name nested subkeys with backslashes ("Font\Weekday").
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // Opens the subkey, creating it and any missing parents, with full access; null on failure.
  virtual std::unique_ptr<RegistryKey> CreateKey(const std::string& path) = 0;
  // Opens an existing subkey; never creates one. Null on failure.
  virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& path, RegistryAccess access) = 0;
  // Reports a value's type and size and copies its data into the buffer when it fits; when it does
  // not, nothing is copied and the size is what the data needs. Null when the value is missing or
  // cannot be read.
  virtual std::optional<RegistryValue> QueryValue(const std::string& name, std::span<char> data) = 0;
  // Stores the text and one terminating NUL as a REG_SZ value.
  virtual bool SetStringValue(const std::string& name, std::string_view text) = 0;
};

}  // namespace tezun
