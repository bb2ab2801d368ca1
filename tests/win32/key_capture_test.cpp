// The key-capture window opened by "..." of dialog 5000: it takes a real key
// press over the disabled dialog, closing it changes nothing, and while it
// waits it blinks without keeping the processor busy.
#include "dialogs/key_capture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "app/command_dialog_table_win.h"
#include "dialogs/key_capture_win.h"
#include "document/data_files.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

std::function<bool(HWND)> onTick;  // runs every 50 ms while the capture window shows

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND window = FindWindowA(kCaptureWindowClass, nullptr);
  if (window != nullptr && onTick && onTick(window)) onTick = {};
}

// Runs f as onTick while it lives.
class Ticks {
 public:
  explicit Ticks(std::function<bool(HWND)> f) { onTick = std::move(f); }
  ~Ticks() { KillTimer(nullptr, timer_), onTick = {}; }

 private:
  UINT_PTR timer_ = SetTimer(nullptr, 0, 50, Tick);
};

// Closes a capture window still open after 3 s, as its close box would, and
// says whether it had to.
class Watchdog {
 public:
  ~Watchdog() { ended_ = true, thread_.join(); }
  bool Rescued() const { return rescued_; }

 private:
  std::atomic<bool> ended_ = false, rescued_ = false;
  std::thread thread_{[this] {
    for (int ms = 0; ms < 3000 && !ended_; ms += 50) Sleep(50);
    if (HWND w = FindWindowA(kCaptureWindowClass, nullptr))
      rescued_ = true, PostMessageA(w, WM_CLOSE, 0, 0);
  }};
};

// Dialog 5000 for a key event on F1: the key taken by the capture window is
// stored with OK; after the close box or Alt+F4 the box keeps F1, and
// Abbrechen marks the buffer. While it waits, its text blinks: the same text
// black on white and white on black in turn; and each capture leaves no GDI
// object behind.
TEST(KeyCapture, WaitsBlinkingAndTakesARealKeyPress) {
  App().Tables.Keys = ParseKeyNames("\"Q\",16\r\n\"Z\",44\r\n\"F1\",59\r\n");
  std::vector<int> objects;  // before each capture but the first, which makes what it keeps
  for (UINT message : {UINT(WM_KEYDOWN), UINT(WM_CLOSE), UINT(WM_SYSKEYDOWN)}) {
    const bool pressed = message == WM_KEYDOWN;
    if (!pressed) objects.push_back(GdiObjects());
    Buffer() = Command("", "Key=F1");
    std::set<std::vector<DWORD>> pictures;  // of its client area
    const DWORD wallStart = GetTickCount();
    FILETIME t[4];
    auto cpuMs = [&] {
      GetProcessTimes(GetCurrentProcess(), &t[0], &t[1], &t[2], &t[3]);
      return (t[2].dwLowDateTime + t[3].dwLowDateTime) / 10000;  // enough for seconds
    };
    const DWORD cpuStart = cpuMs();
    std::string key;
    const Ticks ticks([&](HWND w) {
      RECT client{};
      GetClientRect(w, &client);
      EXPECT_EQ(std::pair(int(client.right), int(client.bottom)),
                std::pair(kCaptureWidth, kCaptureHeight));
      EXPECT_FALSE(IsWindowEnabled(GetWindow(w, GW_OWNER)));
      EXPECT_EQ(GetFocus(), w);
      RECT over{}, own{};  // centred over the dialog
      GetWindowRect(GetWindow(w, GW_OWNER), &over), GetWindowRect(w, &own);
      EXPECT_LE(std::abs(over.left + over.right - own.left - own.right) +
                    std::abs(over.top + over.bottom - own.top - own.bottom),
                2);
      INPUT z = {INPUT_KEYBOARD, {.ki = {0, 44, KEYEVENTF_SCANCODE}}};  // Z
      if (pressed) return SendInput(1, &z, sizeof z), true;
      pictures.insert(WindowPicture(w, true).Pixels);
      return GetTickCount() - wallStart > 1500 &&
             PostMessageA(w, message, message == WM_CLOSE ? 0 : VK_F4, 0x203E0001);  // Alt+F4
    });
    DialogDriver driver;
    driver.Then("Tastenereignis registrieren", [](HWND d) {
      SetWindowPos(d, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // off the screen's middle
      Click(d, IDC_KEY_EVENT_CAPTURE);
    });
    driver.Then("Tastenereignis registrieren", [&](HWND d) {
      key = GetItemText(d, IDC_KEY_EVENT_KEY);
      Click(d, pressed ? IDC_KEY_EVENT_OK : IDC_KEY_EVENT_CANCEL);
    });
    EXPECT_TRUE(driver.Run([] { ShowCommandDialog(nullptr, IDD_KEY_EVENT); })) << driver.Problems();
    EXPECT_FALSE(onTick) << "the capture window closed early";
    EXPECT_EQ(key + "|" + Buffer().Key + Buffer().SectionName, pressed ? "Z|Z" : "F1|F1&NULL");
    if (pressed) {
      INPUT up = {INPUT_KEYBOARD, {.ki = {0, 44, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP}}};
      SendInput(1, &up, sizeof up);
      continue;
    }
    ASSERT_EQ(pictures.size(), 2u) << "different pictures while it blinks";
    const std::vector<DWORD>&a = *pictures.begin(), &b = *pictures.rbegin();
    auto ink = [](const std::vector<DWORD>& p, DWORD colour) {
      return std::ranges::count(p, colour);
    };
    EXPECT_EQ(std::pair(ink(a, 0), ink(a, 0xFFFFFF)), std::pair(ink(b, 0xFFFFFF), ink(b, 0)))
        << "black and white pixels of the two pictures";
    EXPECT_GT(ink(a, 0) * ink(a, 0xFFFFFF), 0) << "no text shown";
    EXPECT_LT(cpuMs() - cpuStart, (GetTickCount() - wallStart) / 4) << "processor time waiting";
  }
  objects.push_back(GdiObjects());
  EXPECT_EQ(objects, std::vector<int>(3, objects.front())) << "GDI objects before and after";
}

// A WM_QUIT that comes while the capture waits ends it and is left in the
// queue for the loops further out, so the dialog ends too. A capture that
// went on is closed after 3 s, as its close box would.
TEST(KeyCapture, AQuitMessageEndsItAndStaysForTheLoopsOutside) {
  Buffer() = Command("", "Key=F1");
  const Watchdog watchdog;
  const Ticks ticks([](HWND) { return PostQuitMessage(7), true; });
  DialogDriver driver;
  driver.Then("Tastenereignis registrieren", [](HWND d) { Click(d, IDC_KEY_EVENT_CAPTURE); });
  EXPECT_TRUE(driver.Run([] { ShowCommandDialog(nullptr, IDD_KEY_EVENT); }, 5000))
      << driver.Problems();
  MSG quit{};
  EXPECT_EQ(std::tuple(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), quit.wParam,
                       watchdog.Rescued()),
            std::tuple(TRUE, WPARAM(7), false));
}

// A capture whose owner goes away (hidden, as a closing program hides it)
// ends at once with no key taken.
TEST(KeyCapture, EndsWhenItsOwnerGoes) {
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  const Restore destroy([&] { DestroyWindow(owner); });
  const Watchdog watchdog;
  const Ticks ticks([&](HWND) { return ShowWindow(owner, SW_HIDE), true; });
  const std::optional<std::string> key = CaptureKey(owner, App().Tables.Keys);
  EXPECT_EQ(std::pair(key, watchdog.Rescued()), std::pair(std::optional<std::string>(), false));
}

}  // namespace
}  // namespace wavoria
