#include "Input.h"

#include <afxwin.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace pgtest {
namespace {

// The queue counts as settled after this many looks that found it empty, each waiting briefly
// for follow-up messages (posted by handlers, or sent on from another thread).
constexpr int kQuietRoundsToSettle = 2;
constexpr DWORD kQuietRoundWaitMs = 2;
// A window that keeps its queue busy (a fast timer, a handler that posts to itself) must not
// hang the test that touched it.
constexpr ULONGLONG kLongestPumpMs = 5000;
// Longer than any tool tip's delay.
constexpr ULONGLONG kLongestToolTipWaitMs = 5000;
// Moves between the press and the release of a drag.
constexpr LONG kDragSteps = 4;

void RunIdleOnce()
{
    // As the framework's own loop: idle work with rising counts until the thread has no more,
    // so that the later rounds (freeing temporary objects) run too.
    if (CWinThread* thread = AfxGetThread()) {
        for (LONG nCount = 0; thread->OnIdle(nCount); ++nCount) {
        }
    }
}

void HandleMessage(MSG& msg)
{
    if (!AfxPreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool Send(std::vector<INPUT>& inputs)
{
    const UINT taken =
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), static_cast<int>(sizeof(INPUT)));
    return taken == inputs.size();
}

// The system maps a normalised coordinate n to pixel n * size / 65536, rounded down. Aiming at
// the middle of the pixel's range still lands on it where the mapping divides by 65535.
LONG NormalisedCoordinate(LONG pixel, int screenSize)
{
    return static_cast<LONG>((2LL * pixel + 1) * 65536 / (2LL * screenSize));
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.mouseData = data;
    input.mi.dwFlags = flags;
    return input;
}

// Keys that sit on the extended part of the keyboard; their messages carry the extended bit
// (bit 24 of lParam), which tells, for instance, the arrow keys from the numeric keypad.
bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
    case VK_SNAPSHOT:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD vk, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT CharacterInput(wchar_t ch, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = ch;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

bool SendAndPump(std::vector<INPUT> inputs)
{
    const bool taken = Send(inputs);
    PumpMessages();
    return taken;
}

// A click on a popup of the foreground window (a drop-down list, a tooltip) activates it only if
// the popup lets it (WM_MOUSEACTIVATE); making it the foreground window beforehand would take
// that choice away.
bool BelongsToForegroundWindow(HWND topLevel)
{
    const HWND foreground = GetForegroundWindow();
    for (HWND window = topLevel; window != nullptr; window = GetWindow(window, GW_OWNER)) {
        if (window == foreground) {
            return true;
        }
    }
    return false;
}

// While a window holds the mouse capture (a drag in progress) the mouse belongs to it wherever
// the cursor goes, and a user's drag activates nothing.
void BringToForeground(HWND hWnd)
{
    const HWND topLevel = GetAncestor(hWnd, GA_ROOT);
    if (GetCapture() == nullptr && topLevel != nullptr && !BelongsToForegroundWindow(topLevel)) {
        SetForegroundWindow(topLevel);
        PumpMessages();
    }
}

// The screen point of a client point of hWnd; false when it lies off the screen.
bool ToScreen(HWND hWnd, POINT clientPoint, POINT& screenPoint)
{
    screenPoint = clientPoint;
    return ClientToScreen(hWnd, &screenPoint) && screenPoint.x >= 0 && screenPoint.y >= 0 &&
           screenPoint.x < GetSystemMetrics(SM_CXSCREEN) &&
           screenPoint.y < GetSystemMetrics(SM_CYSCREEN);
}

INPUT MoveTo(POINT screenPoint)
{
    return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                      NormalisedCoordinate(screenPoint.x, GetSystemMetrics(SM_CXSCREEN)),
                      NormalisedCoordinate(screenPoint.y, GetSystemMetrics(SM_CYSCREEN)));
}

bool CursorIsAt(POINT screenPoint)
{
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == screenPoint.x && cursor.y == screenPoint.y;
}

// The moves and the release of a drag whose press was sent. The system routes queued mouse
// input to the window under the cursor unless a window holds the capture, and the loop that a
// press may start (the system's move and size loop, a scroll bar's tracking) takes the capture
// only once it runs; so the rest of the drag is sent from a timer, which that loop dispatches.
std::vector<INPUT> g_restOfDrag;
bool g_restOfDragTaken = false;

void CALLBACK SendRestOfDrag(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    g_restOfDragTaken = Send(g_restOfDrag);
    g_restOfDrag.clear();
}

// Moves the cursor to the client point of hWnd and sends the button or wheel events there.
bool SendMouseAt(HWND hWnd, POINT clientPoint, std::initializer_list<DWORD> eventFlags,
                 DWORD data = 0)
{
    BringToForeground(hWnd);
    POINT target{};
    if (!ToScreen(hWnd, clientPoint, target)) {
        return false;
    }
    std::vector<INPUT> inputs = {MoveTo(target)};
    for (DWORD flags : eventFlags) {
        inputs.push_back(MouseInput(flags, 0, 0, data));
    }
    const bool taken = Send(inputs);
    const bool landed = CursorIsAt(target);
    PumpMessages();
    return taken && landed;
}

// A tool-tip window of this thread that shows.
HWND ShownToolTip()
{
    HWND hShown = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t szClass[32] = L"";
            GetClassNameW(hWnd, szClass, 32);
            if (IsWindowVisible(hWnd) && wcscmp(szClass, TOOLTIPS_CLASSW) == 0) {
                *reinterpret_cast<HWND*>(lParam) = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&hShown));
    return hShown;
}

} // namespace

void PumpMessages()
{
    const ULONGLONG deadline = GetTickCount64() + kLongestPumpMs;
    bool idleDue = true;
    int quietRounds = 0;
    while (quietRounds < kQuietRoundsToSettle && GetTickCount64() < deadline) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            HandleMessage(msg);
            idleDue = true;
            quietRounds = 0;
        } else if (idleDue) {
            RunIdleOnce();
            idleDue = false;
        } else {
            ++quietRounds;
            MsgWaitForMultipleObjectsEx(0, nullptr, kQuietRoundWaitMs, QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE);
        }
    }
}

bool MoveMouse(HWND hWnd, POINT point)
{
    return SendMouseAt(hWnd, point, {});
}

bool MouseDown(HWND hWnd, POINT point)
{
    return SendMouseAt(hWnd, point, {MOUSEEVENTF_LEFTDOWN});
}

bool MouseUp(HWND hWnd, POINT point)
{
    return SendMouseAt(hWnd, point, {MOUSEEVENTF_LEFTUP});
}

bool Click(HWND hWnd, POINT point)
{
    const bool down = MouseDown(hWnd, point);
    return MouseUp(hWnd, point) && down;
}

bool DoubleClick(HWND hWnd, POINT point)
{
    const bool first = Click(hWnd, point);
    return Click(hWnd, point) && first;
}

bool Drag(HWND hWnd, POINT from, POINT to)
{
    BringToForeground(hWnd);
    POINT start{};
    POINT end{};
    if (!ToScreen(hWnd, from, start) || !ToScreen(hWnd, to, end)) {
        return false;
    }
    g_restOfDrag.clear();
    for (LONG step = 1; step <= kDragSteps; ++step) {
        g_restOfDrag.push_back(MoveTo({start.x + (end.x - start.x) * step / kDragSteps,
                                       start.y + (end.y - start.y) * step / kDragSteps}));
    }
    g_restOfDrag.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    g_restOfDragTaken = false;
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &SendRestOfDrag);
    std::vector<INPUT> press = {MoveTo(start), MouseInput(MOUSEEVENTF_LEFTDOWN)};
    const bool pressTaken = Send(press);
    const ULONGLONG deadline = GetTickCount64() + kLongestPumpMs;
    while (!g_restOfDrag.empty() && GetTickCount64() < deadline) {
        PumpMessages();
    }
    const bool landed = CursorIsAt(end);
    PumpMessages();
    return pressTaken && g_restOfDragTaken && landed;
}

bool RightClick(HWND hWnd, POINT point)
{
    const bool down = SendMouseAt(hWnd, point, {MOUSEEVENTF_RIGHTDOWN});
    return SendMouseAt(hWnd, point, {MOUSEEVENTF_RIGHTUP}) && down;
}

bool Wheel(HWND hWnd, POINT point, int delta)
{
    return SendMouseAt(hWnd, point, {MOUSEEVENTF_WHEEL}, static_cast<DWORD>(delta));
}

bool KeyDown(WORD vk)
{
    return SendAndPump({KeyInput(vk, false)});
}

bool KeyUp(WORD vk)
{
    return SendAndPump({KeyInput(vk, true)});
}

bool PressKey(WORD vk)
{
    const bool down = KeyDown(vk);
    return KeyUp(vk) && down;
}

bool PressKeyWith(WORD modifierVk, WORD vk)
{
    const bool modifierDown = KeyDown(modifierVk);
    const bool pressed = PressKey(vk);
    return KeyUp(modifierVk) && modifierDown && pressed;
}

bool TypeText(const std::wstring& text)
{
    bool allTaken = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'\n' && i > 0 && text[i - 1] == L'\r') {
            continue; // "\r\n" is one line break
        }
        bool taken = false;
        if (ch == L'\r' || ch == L'\n') {
            taken = PressKey(VK_RETURN);
        } else if (ch == L'\t') {
            taken = PressKey(VK_TAB);
        } else {
            taken = SendAndPump({CharacterInput(ch, false), CharacterInput(ch, true)});
        }
        allTaken = allTaken && taken;
    }
    return allTaken;
}

std::wstring WaitForToolTip()
{
    const ULONGLONG deadline = GetTickCount64() + kLongestToolTipWaitMs;
    while (GetTickCount64() < deadline) {
        PumpMessages();
        if (HWND hToolTip = ShownToolTip()) {
            wchar_t szText[256] = L"";
            TOOLINFOW ti = {};
            ti.cbSize = TTTOOLINFOW_V2_SIZE;
            ti.lpszText = szText;
            if (SendMessageW(hToolTip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&ti)))
                return szText;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, kQuietRoundWaitMs, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
    return L"";
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE hData = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(hData));
            GlobalUnlock(hData);
        }
        CloseClipboard();
    }
    return text;
}

bool SetClipboardText(const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (hData == nullptr)
        return false;
    memcpy(GlobalLock(hData), text.c_str(), bytes);
    GlobalUnlock(hData);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(hData);
        return false;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, hData) != nullptr;
    CloseClipboard();
    if (!set)
        GlobalFree(hData);
    return set;
}

} // namespace pgtest
