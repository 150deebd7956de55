#include "command_line.h"

namespace tezun::desk {
namespace {

// The switch's name without its / or -, in lower case; empty for anything that is no switch.
std::wstring SwitchName(const std::wstring& argument) {
  if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-')) return L"";
  std::wstring name;
  for (size_t i = 1; i < argument.size(); ++i) {
    wchar_t c = argument[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    name.push_back(c);
  }
  return name;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

}  // namespace

std::optional<DeskRequest> ParseCommandLine(const std::vector<std::wstring>& arguments) {
  DeskRequest request;
  bool once = false, picture = false, settings = false, autostart = false, restore = false, subscribe = false,
       unsubscribe = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring name = SwitchName(arguments[i]);
    const bool hasValue = i + 1 < arguments.size();
    if (name == L"once" && !once) {
      once = true;
    } else if (name == L"picture" && !picture && hasValue && !arguments[i + 1].empty()) {
      picture = true;
      request.picture = arguments[++i];
    } else if (name == L"settings" && !settings) {
      settings = true;
    } else if (name == L"autostart" && !autostart && hasValue) {
      const std::wstring value = Lower(arguments[++i]);
      if (value != L"on" && value != L"off") return std::nullopt;
      autostart = true;
      request.autostart = value == L"on";
    } else if (name == L"restore" && !restore) {
      restore = true;
    } else if ((name == L"subscribe" || name == L"unsubscribe") && !subscribe && !unsubscribe && hasValue) {
      (name == L"subscribe" ? subscribe : unsubscribe) = true;
      request.address = arguments[++i];
    } else {
      return std::nullopt;
    }
  }
  // One thing at a time; the one pair that goes together is a new picture composed at once.
  const int asked = once + picture + settings + autostart + restore + subscribe + unsubscribe;
  if (asked == 0) return request;
  if (asked == 2 && once && picture) {
    request.command = DeskCommand::Picture;
    request.alsoOnce = true;
    return request;
  }
  if (asked != 1) return std::nullopt;
  request.command = once          ? DeskCommand::Once
                    : picture     ? DeskCommand::Picture
                    : settings    ? DeskCommand::Settings
                    : autostart   ? DeskCommand::Autostart
                    : subscribe   ? DeskCommand::Subscribe
                    : unsubscribe ? DeskCommand::Unsubscribe
                                  : DeskCommand::Restore;
  return request;
}

bool Unattended(const std::vector<std::wstring>& arguments) {
  for (const std::wstring& argument : arguments) {
    if (SwitchName(argument) == L"once") return true;
  }
  return false;
}

std::wstring RunName(const DeskRequest& request) {
  switch (request.command) {
    case DeskCommand::Resident:
      return L"(resident)";
    case DeskCommand::Once:
      return L"/once";
    case DeskCommand::Picture:
      return request.alsoOnce ? L"/picture /once" : L"/picture";
    case DeskCommand::Settings:
      return L"/settings";
    case DeskCommand::Autostart:
      return request.autostart ? L"/autostart on" : L"/autostart off";
    case DeskCommand::Restore:
      return L"/restore";
    // Never the address, which may hold a secret: the log says which subscription otherwise.
    case DeskCommand::Subscribe:
      return L"/subscribe";
    case DeskCommand::Unsubscribe:
      return L"/unsubscribe";
  }
  return L"";
}

}  // namespace tezun::desk
