// TezunDesk's subscriptions to calendars on the web. Their addresses, which may hold a secret
// (Google's secret address in iCal format does), are kept under TezunDesk's own key alone,
// HKEY_CURRENT_USER\Software\TezunDesk\Subscriptions\N, with what the server last said of the
// copy; the copies are %LOCALAPPDATA%\TezunDesk\Calendars\Subscription-N.ics, named by their
// number alone, and that folder is named in the plug-in's "Events".
#pragma once

#include <string>
#include <vector>

#include "calendar_answer.h"
#include "subscription_address.h"

namespace tezun::desk {

struct Subscription {
  std::wstring id;       // its number, as text: the name of its key and of its file
  std::wstring address;  // as ReadSubscriptionAddress spells it
  FetchMemory memory;
};

// Every subscription, by number.
std::vector<Subscription> StoredSubscriptions();

// The folder of the copies, created when missing; a DeskError when it cannot be.
std::wstring CalendarsFolder();
// The copy of the subscription `id` in `folder`.
std::wstring CalendarFile(const std::wstring& folder, const std::wstring& id);
// How the log and the icon's tip name a subscription: by its number, never by its address.
std::wstring SubscriptionName(const std::wstring& id);

// Remembers what the server said of the copy now kept.
void RememberFetch(const std::wstring& id, const FetchMemory& memory);

// Subscribes to the address in `text` (the one stored already, when it is), and names the folder
// of the copies in the plug-in's "Events". A DeskError: kExitAddress with the words of why the
// address is refused (without the address, which the log would keep), else why it cannot be stored.
Subscription Subscribe(const std::wstring& text);

// Ends the subscription to the address in `text`: its values and its copy go, and the folder of the
// copies leaves "Events" with the last one. A DeskError with kExitAddress when there is none.
void Unsubscribe(const std::wstring& text);

// Why an address is refused, in words.
std::wstring AddressFaultText(AddressFault fault);

}  // namespace tezun::desk
