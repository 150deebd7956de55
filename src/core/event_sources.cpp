#include "event_sources.h"

#include <algorithm>
#include <system_error>

namespace tezun {
namespace {

namespace fs = std::filesystem;

bool IsCalendarName(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return extension == ".ics";
}

// The calendar files directly in a folder, by name; none when it cannot be read.
std::vector<fs::path> CalendarsIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    std::error_code kind;
    if (IsCalendarName(entry->path()) && entry->is_regular_file(kind)) files.push_back(entry->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::vector<std::string> EventPaths(std::string_view value) {
  std::vector<std::string> paths;
  while (!value.empty()) {
    const size_t end = std::min(value.find(';'), value.size());
    std::string_view path = value.substr(0, end);
    const size_t first = path.find_first_not_of(" \t");
    if (first != std::string_view::npos) {
      path = path.substr(first, path.find_last_not_of(" \t") - first + 1);
      paths.emplace_back(path);
    }
    value.remove_prefix(std::min(end + 1, value.size()));
  }
  return paths;
}

std::vector<fs::path> EventFiles(std::string_view value, const PathOfText& toPath) {
  std::vector<fs::path> files;
  auto add = [&](const fs::path& file) {
    if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
  };
  for (const std::string& text : EventPaths(value)) {
    const fs::path path = toPath(text);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
      for (const fs::path& file : CalendarsIn(path)) add(file);
    } else if (fs::is_regular_file(status)) {
      add(path);
    }
  }
  return files;
}

}  // namespace tezun
