// "予定の購読": the address of a calendar to subscribe to, or of one to stop, in a small dialog of
// TezunDesk's own. An address it cannot use is refused there, with words, and the dialog stays.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tezun::desk {

enum class SubscribeAction { None, Subscribe, Unsubscribe };

struct SubscribeChoice {
  SubscribeAction action = SubscribeAction::None;
  std::wstring address;  // as ReadSubscriptionAddress spells it
};

// The dialog, its list holding the addresses subscribed to (to pick one to stop); what the user
// chose, None for Cancel.
SubscribeChoice AskForSubscription(HWND owner, const std::vector<std::wstring>& subscribed);

// The dialog's controls, for the tests that drive it.
enum SubscribeControl : WORD { kAddressBox = 100, kPrompt, kUnsubscribeButton };

}  // namespace tezun::desk
