// The add-command chooser (dialog 3000): its fifteen buttons, what the kinds
// without dialog leave in the edit buffer, and how it is cancelled.
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

void OpenChooser() {
  ShowChooser(nullptr);
}

TEST(Chooser, ButtonsAsTheTemplateGivesThem) {
  ResetEditor();
  const std::pair<int, const char*> buttons[] = {
      {IDC_CHOOSER_MOUSE_POSITION, "Maus-/Tastenstatus\nsenden"},
      {IDC_CHOOSER_LOG, "In Logdatei schreiben"},
      {IDC_CHOOSER_OUTPUT, "Wert an Output-Liste anhängen"},
      {IDC_CHOOSER_MIDI_TICK, "Funktion von 'Get Midi Pos.' ändern"},
      {IDC_CHOOSER_CLEAR_OUTPUT, "Output-Liste löschen"},
      {IDC_CHOOSER_DEBUG_LEVEL, "Debug-Level setzen"},
      {IDC_CHOOSER_MOUSE_ON, "Maussupport\naktivieren"},
      {IDC_CHOOSER_MOUSE_OFF, "Maussupport\ndeaktivieren"},
      {IDC_CHOOSER_KEY_ON, "Tastensupport\naktivieren"},
      {IDC_CHOOSER_KEY_OFF, "Tastensupport\ndeaktivieren"},
      {IDC_CHOOSER_KEY_EVENT, "Tastenereignis registrieren"},
      {IDC_CHOOSER_CHEAT, "Cheat-Eingabe registrieren"},
      {IDC_CHOOSER_PROGRAM, "Programm ausführen"},
      {IDC_CHOOSER_DOCUMENT, "Dokument öffnen"},
      {IDC_CHOOSER_MCI, "MCI-Befehl senden"},
  };
  DialogDriver driver;
  driver.Then("Kommando hinzufügen", [&](HWND d) {
    EXPECT_EQ(Text(d, IDC_CHOOSER_PROMPT),
              "Bitte wählen Sie das Kommando, welches Sie hinzufügen möchten.");
    const std::pair<int, const char*> groups[] = {{IDC_CHOOSER_GENERAL, "Allgemein"},
                                                  {IDC_CHOOSER_MOUSE, "Maus"},
                                                  {IDC_CHOOSER_KEYS, "Tasten"},
                                                  {IDC_CHOOSER_OTHER, "Sonstiges"}};
    for (auto [id, text] : groups) EXPECT_EQ(Text(d, id), text);
    for (auto [id, text] : buttons) {
      SCOPED_TRACE(id);
      EXPECT_EQ(Text(d, id), text);
      const LONG style = GetWindowLongA(GetDlgItem(d, id), GWL_STYLE);
      EXPECT_TRUE(style & BS_MULTILINE);
      EXPECT_TRUE(style & WS_TABSTOP);
    }
    EXPECT_EQ(Text(d, IDC_CHOOSER_CANCEL), "Abbrechen");
    // 198 x 223 dialog units.
    RECT size = {0, 0, 198, 223};
    MapDialogRect(d, &size);
    RECT client;
    GetClientRect(d, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    Click(d, IDC_CHOOSER_CANCEL);
  });
  ASSERT_TRUE(driver.Run(OpenChooser)) << driver.Problems();
}

TEST(Chooser, KindsWithoutDialogFillTheBufferAndClose) {
  struct Case {
    int button;
    std::string action, command, enable;
  };
  const Case cases[] = {
      {IDC_CHOOSER_MOUSE_POSITION, "GetMousePosition", "", ""},
      {IDC_CHOOSER_CLEAR_OUTPUT, "MidiTickFunction", "Clear", ""},
      {IDC_CHOOSER_MOUSE_OFF, "EnableMouseSupport", "", "False"},
      {IDC_CHOOSER_KEY_ON, "EnableKeySupport", "", "True"},
      {IDC_CHOOSER_KEY_OFF, "EnableKeySupport", "", "False"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ResetEditor();
    Buffer().Text = "Rest";
    DialogDriver driver;
    driver.Then("Kommando hinzufügen", [&](HWND d) { Click(d, c.button); });
    ASSERT_TRUE(driver.Run(OpenChooser)) << driver.Problems();
    ScriptCommand expected;
    expected.Action = c.action;
    expected.Command = c.command;
    expected.Enable = c.enable;
    EXPECT_EQ(Buffer(), expected);
  }
}

TEST(Chooser, AbbrechenTheCloseBoxAndEscape) {
  ResetEditor();
  DialogDriver driver;
  driver.Then("Kommando hinzufügen", [](HWND d) {
    Command(d, IDCANCEL);  // Escape is none of its ids
    EXPECT_TRUE(IsWindowVisible(d));
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
  ASSERT_TRUE(driver.Run(OpenChooser)) << driver.Problems();
  EXPECT_EQ(Buffer().SectionName, "&NULL");

  Buffer() = ScriptCommand{};
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_CANCEL); });
  ASSERT_TRUE(driver.Run(OpenChooser)) << driver.Problems();
  EXPECT_EQ(Buffer().SectionName, "&NULL");
}

TEST(Chooser, ADialogOkClosesTheChooserACancelReturnsToIt) {
  ResetEditor();
  DialogDriver driver;
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_LOG); });
  driver.Then("In Logdatei schreiben", [](HWND d) { Click(d, IDC_LOG_CANCEL); });
  driver.Then("Kommando hinzufügen", [](HWND d) {
    EXPECT_EQ(Buffer().SectionName, "&NULL");
    Click(d, IDC_CHOOSER_LOG);
  });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    EXPECT_EQ(Text(d, IDC_LOG_TEXT), "");  // a fresh buffer
    SetDlgItemTextA(d, IDC_LOG_TEXT, "Hallo");
    Click(d, IDC_LOG_OK);
  });
  ASSERT_TRUE(driver.Run(OpenChooser)) << driver.Problems();
  EXPECT_EQ(Buffer().SectionName, "");
  EXPECT_EQ(Buffer().Action, "WriteToLog");
  EXPECT_EQ(Buffer().Text, "Hallo");
}

}  // namespace
}  // namespace wavoria
