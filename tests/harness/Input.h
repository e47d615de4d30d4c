// Real mouse and keyboard input for tests: every event goes through SendInput, so hit-testing,
// capture, activation, focus and key translation happen as they do for a user. Each function
// handles the resulting messages before it returns, the way the application's message loop
// would.
#pragma once

#include <windows.h>

#include <string>

namespace pgtest {

// Handles every message waiting for this thread as an MFC message loop does (pre-translation
// through the window chain first, then translation and dispatch), runs idle processing once the
// queue is empty, and returns when the queue stays empty. A WM_QUIT met here is posted again
// for the loop that owns it.
void PumpMessages();

// Mouse input at a point in hWnd's client coordinates. The window's top-level window is made
// the foreground window first, unless it is a popup of the foreground window or a window holds
// the mouse capture. Each returns false when the system did not take all events or the cursor
// did not land on the point (for instance a point outside the screen).
bool MoveMouse(HWND hWnd, POINT point);
bool MouseDown(HWND hWnd, POINT point);
bool MouseUp(HWND hWnd, POINT point);
bool Click(HWND hWnd, POINT point);
// Two clicks, well within the double-click time and rectangle.
bool DoubleClick(HWND hWnd, POINT point);
// Presses the left button at from, moves in a few steps to to and releases it there (both
// client points of hWnd as the drag starts). The rest of the drag follows the press also when
// the press starts a modal loop of its own (the system's move and size loop that a size grip
// starts).
bool Drag(HWND hWnd, POINT from, POINT to);
bool RightClick(HWND hWnd, POINT point);
// delta as WM_MOUSEWHEEL carries it: WHEEL_DELTA (120) a notch, positive away from the user.
bool Wheel(HWND hWnd, POINT point, int delta);

// Keyboard input for the focus window of the foreground window. Each returns false when the
// system did not take all events.
bool KeyDown(WORD vk);
bool KeyUp(WORD vk);
bool PressKey(WORD vk);
// The modifier (VK_CONTROL, VK_SHIFT, VK_MENU) held around a press of vk, as for Ctrl+C.
bool PressKeyWith(WORD modifierVk, WORD vk);
// Types characters as Unicode packets; tab and line breaks are pressed as the Tab and Enter
// keys, which is what a typist does and what dialog navigation reacts to.
bool TypeText(const std::wstring& text);

// Handles messages until a tool tip of this thread shows (the mouse rests on a tool, for the
// system's delay), and returns its text; empty when none shows within five seconds.
std::wstring WaitForToolTip();

// The clipboard's text, as another program reads it or puts it there (CF_UNICODETEXT). Reading
// gives an empty text when there is none; putting answers false when the clipboard is busy.
std::wstring ClipboardText();
bool SetClipboardText(const std::wstring& text);

} // namespace pgtest
