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

// The waits below return as soon as what they wait for holds: their limits are for a machine that
// runs the program many times slower than natively (the 32-bit build under CPU emulation), and are
// reached only when a test fails.

// Runs the thread's messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 30s);
// Waits (without pumping) until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 30s);
// Waits until the thread of another thread's window has handled every message it had, input and
// painting included, and waits for more: what a user sees once the program has "caught up".
// False if it did not within the time, or the window went away. One caller at a time.
bool WaitUntilIdle(HWND window, std::chrono::milliseconds timeout = 60s);

}  // namespace tezun::test
