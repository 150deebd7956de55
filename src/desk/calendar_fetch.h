// One fetch of one subscription, through WinHTTP, the platform's own client (its proxies, its
// certificates): asked conditionally, read up to the size accepted, and written whole over the
// last copy only when a whole calendar came.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "calendar_answer.h"
#include "subscriptions.h"

namespace tezun::desk {

struct FetchReport {
  std::wstring id;
  Answer answer = Answer::Refused;
  // Empty when the copy is what the server has now (Changed, Unchanged); else why it is not, in
  // words that never hold the address.
  std::wstring failure;
  bool haveCopy = false;  // a copy of an earlier fetch is there, and shown meanwhile
};

// Fetches the subscription into its copy in `folder` and remembers what the server said of it.
// `stop` is looked at between the steps and the reads: when it is set, the fetch ends at once and
// the copy stays as it was. Never throws.
FetchReport FetchSubscription(const Subscription& subscription, const std::wstring& folder,
                              const std::atomic<bool>& stop);

// What the icon's tip and the log say of the failures among `reports`: the first, and how many
// more there are; never an address. Empty when there are none.
std::wstring FailureWords(const std::vector<FetchReport>& reports);

}  // namespace tezun::desk
