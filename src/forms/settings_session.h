// The settings while the settings dialog is open: the record every window of the dialog edits,
// the record as it opened (against which OK finds what the user changed), and word of each change
// to whoever shows the settings.
#pragma once

#include <functional>
#include <list>

#include "core/settings.h"

namespace tezun {

class SettingsSession {
 public:
  explicit SettingsSession(TCalendarSettings opened) : opened_(opened), edited_(std::move(opened)) {}
  SettingsSession(const SettingsSession&) = delete;
  SettingsSession& operator=(const SettingsSession&) = delete;
  ~SettingsSession() = default;

  // The record being edited. Whoever changes it says so with Changed.
  TCalendarSettings& Edited() { return edited_; }
  const TCalendarSettings& Edited() const { return edited_; }
  const TCalendarSettings& Opened() const { return opened_; }
  // Tells every listener, in the order they began to listen.
  void Changed();

  // Back to the record as it was at an earlier point (a window's Cancel), and told as a change.
  void Revert(const TCalendarSettings& earlier) {
    edited_ = earlier;
    Changed();
  }

  // Listens to the session's changes while it lives.
  class Listener {
   public:
    Listener(SettingsSession& session, std::function<void()> changed);
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    ~Listener();

   private:
    SettingsSession& session_;
    std::list<std::function<void()>>::iterator at_;
  };

 private:
  const TCalendarSettings opened_;
  TCalendarSettings edited_;
  std::list<std::function<void()>> listeners_;
};

}  // namespace tezun
