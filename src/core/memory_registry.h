// An in-memory registry tree with the same behaviour as the Windows registry where the settings
// store can tell: case-insensitive names, nested paths, keys that refuse writing, typed values.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "registry.h"

namespace tezun {

struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct MemoryValue {
  uint32_t type = kRegSz;
  std::string data;  // the raw bytes, a NUL terminator included only where one was stored
};

struct MemoryKeyNode {
  std::map<std::string, MemoryKeyNode, CaseInsensitiveLess> subkeys;
  std::map<std::string, MemoryValue, CaseInsensitiveLess> values;
  bool writable = true;  // false: opening with full access fails, as for a key the user may only read
};

class MemoryRegistry {
 public:
  // The root key; it stays valid while the registry lives.
  std::unique_ptr<RegistryKey> Root();

  // Navigation for tests and fuzzers; null when a part of the path is missing.
  MemoryKeyNode* Find(const std::string& path);
  MemoryKeyNode& root() { return root_; }

  // Fault seams: a value write fails when this answers true for its name; a value's data may be
  // changed just before each query that copies it.
  std::function<bool(const std::string& name)> failSetValue;
  std::function<void(MemoryValue&)> beforeFetch;

 private:
  MemoryKeyNode root_;
};

// Splits a backslash-separated key path into its parts; empty on an empty part.
std::vector<std::string> SplitKeyPath(const std::string& path);

}  // namespace tezun
