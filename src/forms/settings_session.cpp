#include "settings_session.h"

namespace tezun {

void SettingsSession::Changed() {
  // On to the next before each call, so that a listener may stop listening while it is called.
  for (auto listener = listeners_.begin(); listener != listeners_.end();) (*listener++)();
}

SettingsSession::Listener::Listener(SettingsSession& session, std::function<void()> changed)
    : session_(session), at_(session.listeners_.insert(session.listeners_.end(), std::move(changed))) {}

SettingsSession::Listener::~Listener() { session_.listeners_.erase(at_); }

}  // namespace tezun
