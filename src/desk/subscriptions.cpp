#include "subscriptions.h"

#include <windows.h>

#include <algorithm>

#include "desk_error.h"
#include "desk_folder.h"
#include "desk_registry.h"
#include "plugin_events.h"
#include "texts.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kSubscriptionsSection[] = L"Subscriptions";
constexpr wchar_t kAddressValue[] = L"Address";
constexpr wchar_t kETagValue[] = L"ETag";
constexpr wchar_t kLastModifiedValue[] = L"LastModified";

std::wstring Section(const std::wstring& id) { return std::wstring(kSubscriptionsSection) + L"\\" + id; }

// The number of a subscription's key; 0 for a key that is none of ours.
unsigned long Number(const std::wstring& id) {
  if (id.empty() || id.size() > 9 || id.find_first_not_of(L"0123456789") != std::wstring::npos) return 0;
  return std::stoul(id);
}

SubscriptionAddress ReadOrRefuse(const std::wstring& text) {
  const AddressReading reading = ReadSubscriptionAddress(text);
  if (!reading.address) throw DeskError{kExitAddress, Wide(kAddressRefused) + AddressFaultText(reading.fault)};
  return *reading.address;
}

}  // namespace

std::vector<Subscription> StoredSubscriptions() {
  std::vector<Subscription> subscriptions;
  for (const std::wstring& id : DeskSections(kSubscriptionsSection)) {
    const std::wstring section = Section(id);
    const auto address = ReadDeskValue(kAddressValue, section.c_str());
    if (Number(id) == 0 || !address) continue;
    subscriptions.push_back({id,
                             *address,
                             {ReadDeskValue(kETagValue, section.c_str()).value_or(L""),
                              ReadDeskValue(kLastModifiedValue, section.c_str()).value_or(L"")}});
  }
  std::sort(subscriptions.begin(), subscriptions.end(),
            [](const Subscription& a, const Subscription& b) { return Number(a.id) < Number(b.id); });
  return subscriptions;
}

std::wstring CalendarsFolder() {
  std::wstring folder = DeskFolder() + L"\\Calendars";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    throw UnwritableFile(folder, GetLastError());
  }
  return folder;
}

std::wstring CalendarFile(const std::wstring& folder, const std::wstring& id) {
  return folder + L"\\Subscription-" + id + L".ics";
}

std::wstring SubscriptionName(const std::wstring& id) { return Wide(kSubscriptionName) + id; }

void RememberFetch(const std::wstring& id, const FetchMemory& memory) {
  const std::wstring section = Section(id);
  // A validator that cannot be stored only costs a whole answer next time.
  const auto keep = [&](const wchar_t* name, const std::wstring& value) {
    if (value.empty()) {
      DeleteDeskValue(name, section.c_str());
    } else {
      WriteDeskValue(name, value, section.c_str());
    }
  };
  keep(kETagValue, memory.etag);
  keep(kLastModifiedValue, memory.lastModified);
}

Subscription Subscribe(const std::wstring& text) {
  const SubscriptionAddress address = ReadOrRefuse(text);
  const std::wstring folder = CalendarsFolder();
  NameInPluginEvents(folder);
  const std::vector<Subscription> stored = StoredSubscriptions();
  for (const Subscription& subscription : stored) {
    if (subscription.address == address.text) return subscription;
  }
  unsigned long number = 1;
  while (std::any_of(stored.begin(), stored.end(), [&](const Subscription& s) { return Number(s.id) == number; })) {
    ++number;
  }
  const std::wstring id = std::to_wstring(number);
  if (!WriteDeskValue(kAddressValue, address.text, Section(id).c_str())) {
    throw DeskError{kExitUnwritable, Wide(kCannotWrite) + L"HKEY_CURRENT_USER\\Software\\TezunDesk"};
  }
  return {id, address.text, {}};
}

void Unsubscribe(const std::wstring& text) {
  const SubscriptionAddress address = ReadOrRefuse(text);
  const std::vector<Subscription> stored = StoredSubscriptions();
  const auto found = std::find_if(stored.begin(), stored.end(), [&](const Subscription& subscription) {
    return subscription.address == address.text;
  });
  if (found == stored.end()) throw DeskError{kExitAddress, Wide(kNotSubscribed)};
  const std::wstring section = Section(found->id);
  DeleteDeskSection(section.c_str());
  const std::wstring folder = CalendarsFolder();
  DeleteFileW(CalendarFile(folder, found->id).c_str());
  if (stored.size() == 1) UnnameInPluginEvents(folder);
}

std::wstring AddressFaultText(AddressFault fault) {
  switch (fault) {
    case AddressFault::None:
    case AddressFault::Empty:
      return Wide(kAddressEmpty);
    case AddressFault::NotWeb:
      return Wide(kAddressNotWeb);
    case AddressFault::PlainHttp:
      return Wide(kAddressPlainHttp);
    case AddressFault::NoHost:
      return Wide(kAddressNoHost);
    case AddressFault::BadPort:
      return Wide(kAddressBadPort);
    case AddressFault::Credentials:
      return Wide(kAddressCredentials);
    case AddressFault::BadCharacter:
      return Wide(kAddressBadCharacter);
  }
  return Wide(kAddressEmpty);
}

}  // namespace tezun::desk
