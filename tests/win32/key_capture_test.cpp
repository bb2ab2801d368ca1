// The key-capture window, opened from dialog "Tastenereignis registrieren" with
// its "..." button and driven with simulated key presses: key messages posted
// to the window, and real keyboard input through SendInput.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/dialog_registry_win.h"
#include "app/editor_commands.h"
#include "dialog_driver.h"
#include "dialogs/key_capture_win.h"
#include "editor_test_support.h"
#include "resources/resource_ids.h"

namespace wavoria {
namespace {

using testing::Buffer;
using testing::Click;
using testing::DialogDriver;

constexpr const char* kKeyEventCaption = "Tastenereignis registrieren";

// Scan codes of the standard PC keyboard used below.
constexpr int kScanQ = 16;
constexpr int kScanS = 31;  // left without a name in the test table
constexpr int kScanZ = 44;
constexpr int kScanF1 = 59;
constexpr int kScanF4 = 62;
constexpr int kScanAlt = 56;

// Replaces the key table for one test and puts the old one back.
class KeyTable {
 public:
  explicit KeyTable(const std::map<int, std::string>& names) : saved_(App().Tables.Keys) {
    KeyNameTable keys;
    for (const auto& [code, name] : names) keys[code] = {name, code};
    App().Tables.Keys = keys;
  }
  ~KeyTable() { App().Tables.Keys = saved_; }

 private:
  KeyNameTable saved_;
};

KeyTable StandardKeys() {
  return KeyTable({{kScanQ, "Q"}, {kScanZ, "Z"}, {kScanF1, "F1"}});
}

// The capture windows of this thread.
std::vector<HWND> CaptureWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == kCaptureWindowClass) {
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The capture window of this thread, or nullptr.
HWND CaptureWindow() {
  const std::vector<HWND> windows = CaptureWindows();
  return windows.empty() ? nullptr : windows.front();
}

// Posts the key message the keyboard would send for a scan code.
void PostKey(HWND window, int scanCode, bool down) {
  const UINT virtualKey = MapVirtualKeyA(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK);
  LPARAM lparam = (static_cast<LPARAM>(scanCode) << 16) | 1;
  if (!down) lparam |= 0xC0000000;
  PostMessageA(window, down ? WM_KEYDOWN : WM_KEYUP, virtualKey, lparam);
}

// Real keyboard input by scan code, as a key press reaches the system.
void SendScanCode(int scanCode, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = static_cast<WORD>(scanCode);
  input.ki.dwFlags = KEYEVENTF_SCANCODE | (down ? 0 : KEYEVENTF_KEYUP);
  SendInput(1, &input, sizeof input);
}

// Acts on the capture window from inside its polling, the way DialogDriver
// acts on dialogs: a thread timer runs each step once the window is open and
// the step's delay since the previous step has passed. A capture window
// still open when the time limit runs out is destroyed and the test fails.
class CaptureDriver {
 public:
  using Action = std::function<void(HWND)>;

  CaptureDriver& After(DWORD delayMs, Action action) {
    steps_.push_back({delayMs, std::move(action)});
    return *this;
  }

  // Runs `open` while the steps act on the capture windows it shows.
  void Run(const std::function<void()>& open, DWORD limitMs = 8000) {
    current_ = this;
    deadline_ = GetTickCount() + limitMs;
    last_ = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    open();
    KillTimer(nullptr, timer);
    current_ = nullptr;
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " capture steps did not run";
    steps_.clear();
  }

 private:
  struct Step {
    DWORD DelayMs;
    Action Do;
  };

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ != nullptr) current_->Tick();
  }

  void Tick() {
    HWND capture = CaptureWindow();
    if (capture == nullptr) {
      last_ = 0;
      return;
    }
    if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
      ADD_FAILURE() << "the capture window was still open at the time limit";
      steps_.clear();
      DestroyWindow(capture);
      return;
    }
    if (last_ == 0) last_ = GetTickCount();
    if (steps_.empty() || GetTickCount() - last_ < steps_.front().DelayMs) return;
    Step step = std::move(steps_.front());
    steps_.erase(steps_.begin());
    last_ = GetTickCount();
    step.Do(capture);
  }

  std::vector<Step> steps_;
  DWORD deadline_ = 0;
  DWORD last_ = 0;  // when the previous step ran, 0 before the window opened
  static CaptureDriver* current_;
};

CaptureDriver* CaptureDriver::current_ = nullptr;

// What the dialog showed after the capture, and what it left in the buffer.
struct Outcome {
  std::string KeyBox;  // the key box once the capture had ended
  bool DialogEnabled = false;
  bool CaptureGone = false;  // no capture window left when the dialog came back
};

// Opens dialog 5000, presses "...", lets `capture` act on the capture window,
// and then ends the dialog with `endId` (OK or Cancel).
Outcome CaptureInDialog(CaptureDriver& capture, int endId = IDC_KEY_EVENT_OK) {
  Outcome outcome;
  DialogDriver dialog;
  dialog.Then(kKeyEventCaption, [](HWND d) { Click(d, IDC_KEY_EVENT_CAPTURE); })
      .Then(kKeyEventCaption, [&](HWND d) {
        outcome.KeyBox = testing::Text(d, IDC_KEY_EVENT_KEY);
        outcome.DialogEnabled = IsWindowEnabled(d) != FALSE;
        outcome.CaptureGone = CaptureWindow() == nullptr;
        Click(d, endId);
      });
  capture.Run([&] {
    EXPECT_TRUE(dialog.Run([] { ShowRegisteredDialog(nullptr, IDD_KEY_EVENT); }))
        << dialog.Problems();
  });
  return outcome;
}

// A key-up event on F1, as Edit hands it to the dialog.
void LoadF1Event() {
  ResetEditBuffer(App().Document);
  Buffer().Action = "RegisterKeyUpEvent";
  Buffer().Key = "F1";
  Buffer().Value = "5";
  Buffer().BlockKey = "True";
}

TEST(KeyCapture, OpensFocusedOverTheDisabledDialog) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  HWND owner = nullptr;
  std::string ownerCaption;
  bool ownerEnabled = true;
  HWND focus = nullptr;
  HWND foreground = nullptr;
  RECT client = {};
  std::string title;
  HWND window = nullptr;
  CaptureDriver capture;
  capture.After(50, [&](HWND w) {
    window = w;
    owner = GetWindow(w, GW_OWNER);
    ownerCaption = testing::Caption(owner);
    ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
    focus = GetFocus();
    foreground = GetForegroundWindow();
    GetClientRect(w, &client);
    title = testing::Caption(w);
    PostKey(w, kScanZ, true);
  });
  const Outcome outcome = CaptureInDialog(capture);
  EXPECT_NE(owner, nullptr);
  EXPECT_EQ(ownerCaption, kKeyEventCaption);
  EXPECT_FALSE(ownerEnabled) << "the dialog waits, disabled, while the capture runs";
  EXPECT_EQ(focus, window) << "the capture window has the keyboard focus";
  EXPECT_EQ(foreground, window);
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(client.bottom, 16);
  EXPECT_EQ(title, "Bitte Taste drücken");
  EXPECT_TRUE(outcome.DialogEnabled);
  EXPECT_TRUE(outcome.CaptureGone);
  EXPECT_EQ(outcome.KeyBox, "Z");
  EXPECT_EQ(Buffer().Key, "Z");
  EXPECT_EQ(Buffer().Action, "RegisterKeyDownEvent");
}

TEST(KeyCapture, TakesTheLowestNamedHeldKey) {
  KeyTable keys = StandardKeys();
  struct Case {
    const char* Name;
    std::vector<int> Pressed;  // held, in this order, within one poll
    const char* Taken;
  } cases[] = {
      {"one named key", {kScanF1}, "F1"},
      {"two keys, higher first", {kScanZ, kScanQ}, "Q"},
      {"two keys, lower first", {kScanQ, kScanZ}, "Q"},
      {"an unnamed lower key is passed over", {kScanS, kScanZ}, "Z"},
      {"three keys", {kScanF1, kScanZ, kScanQ}, "Q"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetEditBuffer(App().Document);
    CaptureDriver capture;
    capture.After(30, [&](HWND w) {
      for (int code : c.Pressed) PostKey(w, code, true);
    });
    EXPECT_EQ(CaptureInDialog(capture).KeyBox, c.Taken);
    EXPECT_EQ(Buffer().Key, c.Taken);
  }
}

// A key without a name changes nothing: the window stays open and waits.
TEST(KeyCapture, UnnamedKeyIsIgnored) {
  KeyTable keys = StandardKeys();
  LoadF1Event();
  bool openAfterUnnamed = false;
  CaptureDriver capture;
  capture.After(30, [](HWND w) { PostKey(w, kScanS, true); }).After(300, [&](HWND w) {
    openAfterUnnamed = IsWindow(w) && IsWindowVisible(w);
    PostKey(w, kScanS, false);
    PostKey(w, kScanZ, true);
  });
  const Outcome outcome = CaptureInDialog(capture);
  EXPECT_TRUE(openAfterUnnamed);
  EXPECT_EQ(outcome.KeyBox, "Z");
}

// A key released before the next poll is not held any more.
TEST(KeyCapture, ReleasedKeyIsNotTaken) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  CaptureDriver capture;
  capture
      .After(30,
             [](HWND w) {
               PostKey(w, kScanQ, true);
               PostKey(w, kScanQ, false);
             })
      .After(100, [](HWND w) { PostKey(w, kScanZ, true); });
  EXPECT_EQ(CaptureInDialog(capture).KeyBox, "Z");
}

// Every way of closing the capture window ends it without a change: the key
// box keeps its key, the dialog comes back, and Cancel or OK work as before.
TEST(KeyCapture, ClosingTheWindowChangesNothing) {
  KeyTable keys = StandardKeys();
  struct Case {
    const char* Name;
    std::function<void(HWND)> Close;
  } cases[] = {
      {"close box", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"WM_CLOSE", [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }},
      {"Alt+F4",
       [](HWND w) { PostMessageA(w, WM_SYSKEYDOWN, VK_F4, (kScanF4 << 16) | 0x20000001); }},
      {"destroyed from outside", [](HWND w) { DestroyWindow(w); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    LoadF1Event();
    const ScriptCommand before = Buffer();
    CaptureDriver capture;
    capture.After(30, c.Close);
    const Outcome outcome = CaptureInDialog(capture, IDC_KEY_EVENT_CANCEL);
    EXPECT_EQ(outcome.KeyBox, "F1");
    EXPECT_TRUE(outcome.DialogEnabled);
    EXPECT_TRUE(outcome.CaptureGone);
    ScriptCommand expected = before;
    expected.SectionName = "&NULL";
    EXPECT_EQ(Buffer(), expected);
  }
}

// Alt and F4 as keys of their own: when Alt has a name it is taken before
// Alt+F4 can close the window.
TEST(KeyCapture, NamedAltIsTakenLikeAnyKey) {
  KeyTable keys({{kScanAlt, "Alt"}, {kScanZ, "Z"}});
  ResetEditBuffer(App().Document);
  CaptureDriver capture;
  capture.After(
      30, [](HWND w) { PostMessageA(w, WM_SYSKEYDOWN, VK_MENU, (kScanAlt << 16) | 0x20000001); });
  EXPECT_EQ(CaptureInDialog(capture).KeyBox, "Alt");
}

TEST(KeyCapture, CancelAfterACaptureLeavesTheCommandUnchanged) {
  KeyTable keys = StandardKeys();
  LoadF1Event();
  const ScriptCommand before = Buffer();
  CaptureDriver capture;
  capture.After(30, [](HWND w) { PostKey(w, kScanQ, true); });
  EXPECT_EQ(CaptureInDialog(capture, IDC_KEY_EVENT_CANCEL).KeyBox, "Q");
  ScriptCommand expected = before;
  expected.SectionName = "&NULL";
  EXPECT_EQ(Buffer(), expected);
}

// When the dialog itself is ended while the capture runs, the capture ends
// too and nothing is stored.
TEST(KeyCapture, EndsWhenItsOwnerCloses) {
  KeyTable keys = StandardKeys();
  LoadF1Event();
  const ScriptCommand before = Buffer();
  CaptureDriver capture;
  capture.After(30, [](HWND w) { EndDialog(GetWindow(w, GW_OWNER), 0); });
  DialogDriver dialog;
  dialog.Then(kKeyEventCaption, [](HWND d) { Click(d, IDC_KEY_EVENT_CAPTURE); });
  capture.Run([&] {
    EXPECT_TRUE(dialog.Run([] { ShowRegisteredDialog(nullptr, IDD_KEY_EVENT); }))
        << dialog.Problems();
  });
  EXPECT_EQ(CaptureWindow(), nullptr);
  EXPECT_EQ(Buffer(), before);
}

// A second "..." that reaches the waiting dialog (a queued click) opens no
// second capture window.
TEST(KeyCapture, ASecondRequestWhileCapturingIsDropped) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  std::size_t windows = 0;
  CaptureDriver capture;
  capture
      .After(30,
             [](HWND w) {
               HWND dialog = GetWindow(w, GW_OWNER);
               PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_KEY_EVENT_CAPTURE, BN_CLICKED),
                            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_KEY_EVENT_CAPTURE)));
             })
      .After(150, [&](HWND w) {
        windows = CaptureWindows().size();
        PostKey(w, kScanZ, true);
      });
  const Outcome outcome = CaptureInDialog(capture);
  EXPECT_EQ(windows, 1u);
  EXPECT_EQ(outcome.KeyBox, "Z");
  EXPECT_TRUE(outcome.CaptureGone);
}

// Real key presses reach the capture: it has the focus, and it sees keys
// held on the keyboard.
TEST(KeyCapture, TakesARealKeyPress) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  CaptureDriver capture;
  capture.After(30, [](HWND) { SendScanCode(kScanZ, true); });
  const Outcome outcome = CaptureInDialog(capture);
  SendScanCode(kScanZ, false);
  EXPECT_EQ(outcome.KeyBox, "Z");
}

// The text blinks: black on white, then white on black, every 200 ms or so.
TEST(KeyCapture, Blinks) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  std::vector<COLORREF> corners;
  CaptureDriver capture;
  for (int i = 0; i < 12; ++i) {
    capture.After(50, [&](HWND w) {
      HDC dc = GetDC(w);
      corners.push_back(GetPixel(dc, 99, 15));  // below the text, always background
      ReleaseDC(w, dc);
    });
  }
  capture.After(0, [](HWND w) { PostKey(w, kScanQ, true); });
  CaptureInDialog(capture);
  int white = 0;
  int black = 0;
  for (COLORREF c : corners) {
    if (c == RGB(255, 255, 255)) ++white;
    if (c == RGB(0, 0, 0)) ++black;
  }
  EXPECT_GT(white, 0);
  EXPECT_GT(black, 0);
  EXPECT_EQ(white + black, static_cast<int>(corners.size())) << "palette colours 0 and 15 only";
  ASSERT_FALSE(corners.empty());
  EXPECT_EQ(corners.front(), RGB(255, 255, 255)) << "starts black on white";
}

// Waiting for a key sleeps: an open capture window costs little processor time.
TEST(KeyCapture, WaitsWithoutSpinning) {
  KeyTable keys = StandardKeys();
  ResetEditBuffer(App().Document);
  auto cpuMs = [] {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
      return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
    };
    return ms(kernel) + ms(user);
  };
  ULONGLONG cpuStart = 0;
  DWORD wallStart = 0;
  ULONGLONG cpuUsed = 0;
  DWORD wallUsed = 0;
  CaptureDriver capture;
  capture
      .After(10,
             [&](HWND) {
               cpuStart = cpuMs();
               wallStart = GetTickCount();
             })
      .After(1500, [&](HWND w) {
        cpuUsed = cpuMs() - cpuStart;
        wallUsed = GetTickCount() - wallStart;
        PostMessageA(w, WM_CLOSE, 0, 0);
      });
  CaptureInDialog(capture, IDC_KEY_EVENT_CANCEL);
  EXPECT_GE(wallUsed, 1400u);
  // Sleeping costs a few percent; polling without a pause costs a third or
  // more even under Wine, where much of the work happens in its server.
  EXPECT_LT(cpuUsed, wallUsed / 8) << "processor time while waiting for a key";
  std::printf("capture waited %lu ms using %llu ms of processor time\n", wallUsed, cpuUsed);
}

}  // namespace
}  // namespace wavoria
