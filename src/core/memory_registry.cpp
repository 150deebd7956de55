#include "memory_registry.h"

#include <algorithm>

namespace tezun {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

class MemoryKey final : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry& registry, MemoryKeyNode& node) : registry_(registry), node_(node) {}

  std::unique_ptr<RegistryKey> CreateKey(const std::string& path) override {
    const auto parts = SplitKeyPath(path);
    if (parts.empty()) return nullptr;
    MemoryKeyNode* node = &node_;
    for (const auto& part : parts) {
      auto found = node->subkeys.find(part);
      if (found == node->subkeys.end()) {
        if (!node->writable) return nullptr;
        found = node->subkeys.emplace(part, MemoryKeyNode{}).first;
      }
      node = &found->second;
    }
    if (!node->writable) return nullptr;
    return std::make_unique<MemoryKey>(registry_, *node);
  }

  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, RegistryAccess access) override {
    const auto parts = SplitKeyPath(path);
    if (parts.empty()) return nullptr;
    MemoryKeyNode* node = &node_;
    for (const auto& part : parts) {
      auto found = node->subkeys.find(part);
      if (found == node->subkeys.end()) return nullptr;
      node = &found->second;
    }
    if (access == RegistryAccess::Full && !node->writable) return nullptr;
    return std::make_unique<MemoryKey>(registry_, *node);
  }

  std::optional<RegistryValue> QueryValue(const std::string& name, std::span<char> data) override {
    auto found = node_.values.find(name);
    if (found == node_.values.end()) return std::nullopt;
    MemoryValue& value = found->second;
    if (!data.empty() && registry_.beforeFetch) registry_.beforeFetch(value);
    const bool fits = value.data.size() <= data.size();
    if (fits) std::copy(value.data.begin(), value.data.end(), data.begin());
    return RegistryValue{value.type, static_cast<uint32_t>(value.data.size()), fits};
  }

  bool SetStringValue(const std::string& name, std::string_view text) override {
    if (!node_.writable || (registry_.failSetValue && registry_.failSetValue(name))) return false;
    std::string bytes(text);
    bytes.push_back('\0');
    node_.values[name] = MemoryValue{kRegSz, std::move(bytes)};
    return true;
  }

 private:
  MemoryRegistry& registry_;
  MemoryKeyNode& node_;
};

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = path.find('\\', start);
    std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part.empty()) return {};
    parts.push_back(std::move(part));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::unique_ptr<RegistryKey> MemoryRegistry::Root() { return std::make_unique<MemoryKey>(*this, root_); }

MemoryKeyNode* MemoryRegistry::Find(const std::string& path) {
  MemoryKeyNode* node = &root_;
  for (const auto& part : SplitKeyPath(path)) {
    auto found = node->subkeys.find(part);
    if (found == node->subkeys.end()) return nullptr;
    node = &found->second;
  }
  return node;
}

}  // namespace tezun
