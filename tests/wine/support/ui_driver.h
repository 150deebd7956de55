// Driving real windows as a user would: mouse and keyboard input through the system, message pumping, waiting.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace tezun::test {

using namespace std::chrono_literals;

// Moves the mouse to a point of the screen.
void MoveMouse(POINT screen);
// Presses and releases a button (MOUSEEVENTF_LEFTDOWN / ..._LEFTUP, or the right ones).
void PressMouse(DWORD downOrUp);

// Presses and releases a key on the keyboard, with Shift held down meanwhile when asked.
void PressKey(WORD key, bool shift = false);

// Runs the thread's messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);
// Waits (without pumping) until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);

}  // namespace tezun::test
