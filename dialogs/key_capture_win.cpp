// The key-capture window. Underneath it is a tiny graphics facility: a top-
// level window with a 100 x 16 client area in palette colours that can be
// cleared and written on, a key buffer that also reports the close box, a test
// whether a key is held by scan code, and a sleep that keeps the thread's
// messages flowing. CaptureKey polls the keyboard through it.
#include "dialogs/key_capture_win.h"

#include <array>
#include <deque>
#include <string_view>

#include "dialogs/key_capture.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

constexpr DWORD kPollIntervalMs = 10;  // the sleep between two polls
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kTextHeight = 8;  // pixels per text line: two lines fit the window

// What the window procedure keeps for one capture window.
struct CaptureState {
  int Foreground = kPaletteBlack;
  int Background = kPaletteWhite;
  std::string Text;              // written since the last clear
  std::deque<std::string> Keys;  // the key buffer, oldest first
  std::array<bool, 256> Down{};  // keys held, by scan code, as key messages tell
  SIZE WindowSize{};             // outer size for the client area wanted
  bool Destroyed = false;
};
// Every scan code the capture polls has its place among the keys held.
static_assert(kCaptureScanCodes <= std::tuple_size_v<decltype(CaptureState::Down)>);

COLORREF ColourOf(int index) {
  const PaletteRgb c = PaletteColour(index);
  return RGB(c.Red, c.Green, c.Blue);
}

// The facility's text font: the small raster font every Windows carries,
// eight pixels a line.
HFONT TextFont() {
  static HFONT font = CreateFontA(kTextHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  NONANTIALIASED_QUALITY, FF_SWISS, "Small Fonts");
  return font;
}

int ScanCodeOf(LPARAM lparam) {
  return static_cast<int>((lparam >> 16) & 0xFF);
}

void Paint(HWND window, const CaptureState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT area;
  GetClientRect(window, &area);
  HBRUSH brush = CreateSolidBrush(ColourOf(state.Background));
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  if (!state.Text.empty()) {
    HGDIOBJ previous = SelectObject(dc, TextFont());
    SetTextColor(dc, ColourOf(state.Foreground));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, state.Text.data(), static_cast<int>(state.Text.size()), &area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK CaptureWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* state = reinterpret_cast<CaptureState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (state == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  switch (message) {
    case WM_GETMINMAXINFO: {
      // The window is smaller than the usual smallest captioned window.
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = {state->WindowSize.cx, state->WindowSize.cy};
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole area
    case WM_PAINT:
      Paint(window, *state);
      return 0;
    case WM_KEYDOWN:
      state->Down[ScanCodeOf(lparam)] = true;
      return 0;
    case WM_KEYUP:
      state->Down[ScanCodeOf(lparam)] = false;
      return 0;
    case WM_SYSKEYDOWN:
      state->Down[ScanCodeOf(lparam)] = true;
      // Alt+F4 closes the window; no other key opens the window menu, whose
      // own modal loop would stop the polling.
      if (wparam == VK_F4) break;
      return 0;
    case WM_SYSKEYUP:
      state->Down[ScanCodeOf(lparam)] = false;
      return 0;
    case WM_CHAR:
      state->Keys.push_back(std::string(1, static_cast<char>(wparam)));
      return 0;
    case WM_SYSCHAR:
      return 0;
    case WM_CLOSE:
      // The close box only asks: the capture reads the request from the key
      // buffer and closes the window itself.
      state->Keys.push_back(std::string(kCloseRequest));
      return 0;
    case WM_DESTROY:
      state->Destroyed = true;
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

bool RegisterCaptureClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = CaptureWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadProgramIcon(IDI_WAVORIA);
    windowClass.hIconSm = LoadProgramIcon(IDI_WAVORIA, GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kCaptureWindowClass;
    return RegisterClassExA(&windowClass) != 0;
  }();
  return registered;
}

// One capture window and the operations the capture needs of it.
class CaptureWindow {
 public:
  CaptureWindow() = default;
  CaptureWindow(const CaptureWindow&) = delete;
  CaptureWindow& operator=(const CaptureWindow&) = delete;
  ~CaptureWindow() { Close(); }

  // Opens the window centred over owner (or the screen), shows it and gives
  // it the keyboard focus, so that the keys the user presses arrive here.
  bool Open(HWND owner, int width, int height, std::string_view title) {
    if (!RegisterCaptureClass()) return false;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    state_.WindowSize = {frame.right - frame.left, frame.bottom - frame.top};
    RECT over;
    if (owner == nullptr || !GetWindowRect(owner, &over)) {
      over = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    const int x = over.left + (over.right - over.left - state_.WindowSize.cx) / 2;
    const int y = over.top + (over.bottom - over.top - state_.WindowSize.cy) / 2;
    window_ = CreateWindowExA(0, kCaptureWindowClass, std::string(title).c_str(), kWindowStyle, x,
                              y, state_.WindowSize.cx, state_.WindowSize.cy, owner, nullptr,
                              GetModuleHandleA(nullptr), &state_);
    if (window_ == nullptr) return false;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    UpdateWindow(window_);
    return true;
  }

  bool IsOpen() const { return window_ != nullptr && !state_.Destroyed; }

  void SetColours(int foreground, int background) {
    state_.Foreground = foreground;
    state_.Background = background;
  }

  void Clear() {
    state_.Text.clear();
    Redraw();
  }

  void WriteText(std::string_view text) {
    state_.Text += text;
    Redraw();
  }

  // The oldest key in the buffer, the close request included; empty when
  // the buffer is empty.
  std::string ReadKey() {
    if (state_.Keys.empty()) return {};
    std::string key = std::move(state_.Keys.front());
    state_.Keys.pop_front();
    return key;
  }

  // Whether the key with this polled scan code is held: as the key messages of
  // the window tell, or as the keyboard reports it right now.
  bool IsKeyHeld(int scanCode) const {
    if (state_.Down[static_cast<std::size_t>(scanCode)]) return true;
    const UINT virtualKey = MapVirtualKeyA(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK);
    return virtualKey != 0 && (GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
  }

  // Sleeps for ms milliseconds while the thread's messages are dispatched.
  // False when the window is gone or the thread is asked to quit.
  bool Sleep(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
          PostQuitMessage(static_cast<int>(msg.wParam));  // for the loops further out
          return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      if (!IsOpen()) return false;
      const DWORD elapsed = GetTickCount() - start;
      if (elapsed >= ms) return true;
      MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }

  void Close() {
    if (IsOpen()) DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  void Redraw() {
    if (!IsOpen()) return;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
  }

  HWND window_ = nullptr;
  CaptureState state_;
};

void ShowPrompt(CaptureWindow& capture, const CaptureColours& colours) {
  capture.SetColours(colours.Foreground, colours.Background);
  capture.Clear();
  capture.WriteText(kCaptureText);
}

// Whether the key buffer holds the close request; other keys are dropped.
bool CloseRequested(CaptureWindow& capture) {
  for (std::string key = capture.ReadKey(); !key.empty(); key = capture.ReadKey()) {
    if (IsCloseRequest(key)) return true;
  }
  return false;
}

// Whether the window the capture was opened for has gone or is going.
bool OwnerGone(HWND owner) {
  return owner != nullptr && (!IsWindow(owner) || !IsWindowVisible(owner));
}

}  // namespace

std::optional<std::string> CaptureKey(HWND owner, const KeyNameTable& keys) {
  // One capture at a time: a second request that reaches the owner while it
  // waits (a queued click) is dropped.
  static bool capturing = false;
  if (capturing) return std::nullopt;
  capturing = true;
  struct Done {
    ~Done() { capturing = false; }
  } done;
  const bool reenableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  std::optional<std::string> taken;
  CaptureWindow capture;
  if (capture.Open(owner, kCaptureWidth, kCaptureHeight, kCaptureTitle)) {
    CaptureColours shown = BlinkColoursAt(0);
    ShowPrompt(capture, shown);
    if (capture.Sleep(kCaptureStartDelayMs)) {
      const DWORD start = GetTickCount();
      for (;;) {
        if (CloseRequested(capture) || OwnerGone(owner)) break;
        const std::optional<int> code =
            TakenScanCode([&](int s) { return capture.IsKeyHeld(s); }, keys);
        if (code) {
          taken = keys[static_cast<std::size_t>(*code)].Name;
          break;
        }
        if (!capture.Sleep(kPollIntervalMs)) break;
        const CaptureColours now = BlinkColoursAt(GetTickCount() - start);
        if (now != shown) {
          shown = now;
          ShowPrompt(capture, shown);
        }
      }
    }
  }
  // The owner is enabled again before the window goes, so that it becomes
  // the active window once more.
  if (reenableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  capture.Close();
  return taken;
}

}  // namespace wavoria
