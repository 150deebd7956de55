#include "events_value.h"

#include <algorithm>

namespace tezun::desk {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value's pieces between its `;`, untrimmed.
std::vector<std::string_view> Pieces(std::string_view value) {
  std::vector<std::string_view> pieces;
  while (true) {
    const size_t end = std::min(value.find(';'), value.size());
    pieces.push_back(value.substr(0, end));
    if (end == value.size()) return pieces;
    value.remove_prefix(end + 1);
  }
}

}  // namespace

std::vector<std::string> EventsPaths(std::string_view value) {
  std::vector<std::string> paths;
  for (const std::string_view piece : Pieces(value)) {
    if (const std::string_view path = Trimmed(piece); !path.empty()) paths.emplace_back(path);
  }
  return paths;
}

std::optional<std::string> EventsNaming(std::string_view value, std::string_view folder, const NamesFolder& isIt) {
  const std::vector<std::string> paths = EventsPaths(value);
  if (std::any_of(paths.begin(), paths.end(), isIt)) return std::nullopt;
  const std::string_view kept = Trimmed(value);
  std::string named(value.substr(0, kept.empty() ? 0 : value.find_last_not_of(" \t") + 1));
  if (!named.empty() && named.back() != ';') named += ';';
  named += folder;
  return named;
}

std::optional<std::string> EventsNotNaming(std::string_view value, const NamesFolder& isIt) {
  std::string kept;
  bool removed = false;
  bool first = true;
  for (const std::string_view piece : Pieces(value)) {
    const std::string_view path = Trimmed(piece);
    if (!path.empty() && isIt(path)) {
      removed = true;
      continue;
    }
    if (!first) kept += ';';
    kept += piece;
    first = false;
  }
  if (!removed) return std::nullopt;
  return kept;
}

}  // namespace tezun::desk
