// The resident window's part in the events: the subscriptions fetched in the background and the
// dialog that adds or ends one, the folders the events come from watched, and the icon's tip that
// says what failed.
#include "desk_folder.h"
#include "plugin_events.h"
#include "resident_window.h"
#include "subscribe_dialog.h"
#include "subscriptions.h"
#include "texts.h"

namespace tezun::desk {
void ResidentWindow::FetchSubscriptions(bool asked) {
  if (fetcher_ && leaving_ == Leaving::No) fetcher_->Start(asked);
}

void ResidentWindow::OnFetched() {
  const std::optional<FetchRound> round = fetcher_ ? fetcher_->Finished() : std::nullopt;
  if (!round) return;
  ++fetches_;
  std::wstring failure = FailureWords(round->reports);
  bool changed = false;
  for (const FetchReport& report : round->reports) changed = changed || report.answer == Answer::Changed;
  if (!round->reports.empty()) {
    // The copies are shown only from a folder the plug-in's events come from.
    try {
      NameInPluginEvents(CalendarsFolder());
    } catch (const DeskError& error) {
      if (failure.empty()) failure = error.message;
    }
  }
  fetchStatus_ = failure;
  ShowStatus();
  if (failure.empty()) {
    fetchNotice_.Succeeded();
  } else if (fetchNotice_.Failed(failure) || round->asked) {
    WriteLog(L"(resident)", failure);
    if (round->asked && busy_ == 0) {
      const Busy busy(busy_);
      MessageBoxW(window_, failure.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONWARNING);
    }
  }
  if (changed) Soon(DeskEvent::EventsChanged);
  AfterModal();
}

void ResidentWindow::ChangeSubscriptions() {
  SubscribeChoice choice;
  {
    const Busy busy(busy_);
    std::vector<std::wstring> addresses;
    for (const Subscription& subscription : StoredSubscriptions()) addresses.push_back(subscription.address);
    choice = AskForSubscription(window_, addresses);
    try {
      if (choice.action == SubscribeAction::Subscribe) Subscribe(choice.address);
      if (choice.action == SubscribeAction::Unsubscribe) Unsubscribe(choice.address);
    } catch (const DeskError& error) {
      choice.action = SubscribeAction::None;
      WriteLog(L"(resident)", error.message);
      MessageBoxW(window_, error.message.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONWARNING);
    }
  }
  if (choice.action == SubscribeAction::Unsubscribe) {
    // What the tip said of it may be of the one gone: the next round says it again of the others.
    fetchStatus_.clear();
    fetchNotice_.Succeeded();
    ShowStatus();
    Soon(DeskEvent::EventsChanged);
  }
  if (choice.action != SubscribeAction::None) FetchSubscriptions(choice.action == SubscribeAction::Subscribe);
}

void ResidentWindow::Follow(const std::vector<std::wstring>& folders) {
  if (watch_ ? watch_->folders() == folders : folders.empty()) return;
  watch_.reset();
  if (!folders.empty()) watch_ = std::make_unique<FolderWatch>(window_, kEventsMessage, folders);
}

void ResidentWindow::ShowStatus() {
  if (!tray_) return;
  tray_->SetStatus(status_.empty() || fetchStatus_.empty() ? status_ + fetchStatus_ : status_ + L" / " + fetchStatus_);
}

}  // namespace tezun::desk
