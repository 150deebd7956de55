#include "calendar_fetcher.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "desk_error.h"
#include "subscriptions.h"

namespace tezun::desk {

struct CalendarFetcher::Shared {
  HWND window = nullptr;
  UINT message = 0;
  std::atomic<bool> stop{false};
  std::mutex lock;
  // Guarded by the lock:
  bool running = false;
  std::optional<bool> next;  // another round is asked for, by a person or not
  bool asked = false;        // the round that runs was asked for by a person
  std::optional<FetchRound> finished;
  unsigned rounds = 0;
};

namespace {

// A round: each subscription in turn, till the end or until told to stop.
std::vector<FetchReport> FetchEach(const std::atomic<bool>& stop) {
  std::vector<FetchReport> reports;
  const std::vector<Subscription> subscriptions = StoredSubscriptions();
  if (subscriptions.empty()) return reports;
  std::wstring folder;
  try {
    folder = CalendarsFolder();
  } catch (const DeskError& error) {
    for (const Subscription& subscription : subscriptions)
      reports.push_back({subscription.id, Answer::Refused, error.message});
    return reports;
  }
  for (const Subscription& subscription : subscriptions) {
    if (stop) break;
    reports.push_back(FetchSubscription(subscription, folder, stop));
  }
  return reports;
}

}  // namespace

CalendarFetcher::CalendarFetcher(HWND window, UINT message) : shared_(std::make_shared<Shared>()) {
  shared_->window = window;
  shared_->message = message;
}

CalendarFetcher::~CalendarFetcher() {
  shared_->stop = true;
  if (thread_) WaitForSingleObject(thread_.get(), 5000);
}

void CalendarFetcher::Start(bool asked) {
  if (StoredSubscriptions().empty()) return;  // no thread for nothing to fetch
  {
    const std::lock_guard<std::mutex> guard(shared_->lock);
    if (shared_->running) {
      shared_->next = shared_->next.value_or(false) || asked;
      return;
    }
    shared_->running = true;
    shared_->asked = asked;
  }
  // The thread holds the shared part for as long as it runs, even past this object.
  auto* held = new std::shared_ptr<Shared>(shared_);
  thread_.reset(CreateThread(nullptr, 0, Run, held, 0, nullptr));
  if (!thread_) {
    delete held;
    const std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->running = false;
  }
}

DWORD WINAPI CalendarFetcher::Run(void* held) {
  const std::unique_ptr<std::shared_ptr<Shared>> owner(static_cast<std::shared_ptr<Shared>*>(held));
  Shared& shared = **owner;
  for (;;) {
    std::vector<FetchReport> reports;
    try {
      reports = FetchEach(shared.stop);
    } catch (const std::exception&) {
      // Out of memory: the round found nothing, and the next one tries again.
    }
    const std::lock_guard<std::mutex> guard(shared.lock);
    // A round the window has not taken yet is replaced, and what a person asked for stays asked.
    const bool askedBefore = shared.finished && shared.finished->asked;
    shared.finished = FetchRound{std::move(reports), shared.asked || askedBefore};
    ++shared.rounds;
    PostMessageW(shared.window, shared.message, 0, 0);
    if (!shared.next || shared.stop) {
      shared.running = false;
      return 0;
    }
    shared.asked = *shared.next;
    shared.next.reset();
  }
}

std::optional<FetchRound> CalendarFetcher::Finished() {
  const std::lock_guard<std::mutex> guard(shared_->lock);
  return std::exchange(shared_->finished, std::nullopt);
}

unsigned CalendarFetcher::rounds() const {
  const std::lock_guard<std::mutex> guard(shared_->lock);
  return shared_->rounds;
}

}  // namespace tezun::desk
