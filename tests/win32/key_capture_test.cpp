// The key-capture window opened by "..." of dialog 5000: it takes a real key
// press over the disabled dialog, closing it changes nothing, and while it
// waits it blinks without keeping the processor busy.
#include <gtest/gtest.h>

#include <set>

#include "app/dialog_registry_win.h"
#include "app/editor_commands.h"
#include "dialogs/key_capture_win.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

std::function<bool(HWND)> onTick;  // runs every 50 ms while the capture window shows

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND window = FindWindowA(kCaptureWindowClass, nullptr);
  if (window != nullptr && onTick && onTick(window)) onTick = {};
}

// Opens dialog 5000 for a key event on F1, presses "...", runs `tick` on the
// capture window until it returns true, then ends the dialog with `end`;
// returns the key box as the capture left it.
std::string Capture(std::function<bool(HWND)> tick, int end) {
  App().Tables.Keys = ParseKeyNames("\"Q\",16\r\n\"Z\",44\r\n\"F1\",59\r\n");
  ResetEditBuffer(App().Document);
  Buffer().Key = "F1";
  onTick = std::move(tick);
  std::string key;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
  DialogDriver driver;
  driver.Then("Tastenereignis registrieren", [](HWND d) { Click(d, IDC_KEY_EVENT_CAPTURE); });
  driver.Then("Tastenereignis registrieren", [&](HWND d) {
    key = Text(d, IDC_KEY_EVENT_KEY);
    Click(d, end);
  });
  EXPECT_TRUE(driver.Run([] { ShowRegisteredDialog(nullptr, IDD_KEY_EVENT); }))
      << driver.Problems();
  KillTimer(nullptr, timer);
  EXPECT_FALSE(onTick) << "the capture window closed early";
  return key;
}

void ScanCode(WORD code, DWORD up) {
  INPUT input = {INPUT_KEYBOARD};
  input.ki = {0, code, KEYEVENTF_SCANCODE | up};
  SendInput(1, &input, sizeof input);
}

TEST(KeyCapture, TakesARealKeyPressOverTheDisabledDialog) {
  EXPECT_EQ(Capture(
                [](HWND w) {
                  EXPECT_FALSE(IsWindowEnabled(GetWindow(w, GW_OWNER)));
                  EXPECT_EQ(GetFocus(), w);
                  EXPECT_EQ(Caption(w), "Bitte Taste drücken");
                  ScanCode(44, 0);  // Z
                  return true;
                },
                IDC_KEY_EVENT_OK),
            "Z");
  ScanCode(44, KEYEVENTF_KEYUP);
  EXPECT_EQ(Buffer().Key, "Z");
}

TEST(KeyCapture, ClosingItChangesNothing) {
  for (UINT message : {UINT(WM_CLOSE), UINT(WM_SYSKEYDOWN)}) {  // the close box, Alt+F4
    auto close = [message](HWND w) {
      return PostMessageA(w, message, message == WM_CLOSE ? 0 : VK_F4, 0x203E0001) != FALSE;
    };
    EXPECT_EQ(Capture(close, IDC_KEY_EVENT_CANCEL), "F1");
    EXPECT_EQ(Buffer().Key + Buffer().SectionName, "F1&NULL");
  }
}

TEST(KeyCapture, BlinksWithoutKeepingTheProcessorBusy) {
  FILETIME times[4];
  auto cpuMs = [&] {
    GetProcessTimes(GetCurrentProcess(), &times[0], &times[1], &times[2], &times[3]);
    return (ULARGE_INTEGER{{times[2].dwLowDateTime, times[2].dwHighDateTime}}.QuadPart +
            ULARGE_INTEGER{{times[3].dwLowDateTime, times[3].dwHighDateTime}}.QuadPart) /
           10000;
  };
  std::set<COLORREF> corners;
  ULONGLONG cpuStart = 0, cpuUsed = 0;
  DWORD wallStart = 0, wallUsed = 0;
  Capture(
      [&](HWND w) {
        if (wallStart == 0) cpuStart = cpuMs(), wallStart = GetTickCount();
        HDC dc = GetDC(w);
        corners.insert(GetPixel(dc, 99, 15));  // below the text: always background
        ReleaseDC(w, dc);
        if (GetTickCount() - wallStart < 1500) return false;
        cpuUsed = cpuMs() - cpuStart, wallUsed = GetTickCount() - wallStart;
        return PostMessageA(w, WM_CLOSE, 0, 0) != FALSE;
      },
      IDC_KEY_EVENT_CANCEL);
  EXPECT_EQ(corners, (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255)}));
  EXPECT_LT(cpuUsed, wallUsed / 8) << "processor time while waiting for a key";
}

}  // namespace
}  // namespace wavoria
