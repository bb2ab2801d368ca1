// New, Open, Save, Save As and "Im Editor öffnen" through the main window's
// menu, with the file choosers and Notepad replaced by stubs. Failed reads
// and writes are reported and change nothing.
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "app/win_util_win.h"
#include "document/script_writer.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

const char kScriptB[] =
    ";WIZDESC$Zweites\r\n[Execute]\r\nAction=WriteToLog\r\nText=aus Datei B\r\nNext=\r\n";

TEST(FileCommands, NewAsksFirstThenEmptiesTheScript) {
  ResetEditor();
  AppendLog("a");
  App().DocumentPath = "C:\\nirgends\\a.script.wav";
  App().Modified = true;
  DialogDriver driver;
  driver.Then(MainCaption(App().DocumentPath), [](HWND w) { Post(w, IDM_NEW); });
  driver.Then("Wavoria", [](HWND box) {
    ExpectSavePrompt(box);
    Click(box, IDCANCEL);
  });
  driver.Then(MainCaption("C:\\nirgends\\a.script.wav"), [](HWND w) {
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 3);
    Post(w, IDM_NEW);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  FinishWith(driver, MainCaption(), [](HWND w) {
    EXPECT_EQ(Lines(w), (std::vector<std::string>{"Skriptname: Unbenanntes Skript", "<>"}));
    EXPECT_EQ(Text(w, IDC_MAIN_LABEL), "Kommandos in Datei Unbenannt:");
    EXPECT_EQ(App().DocumentPath, "");
    EXPECT_FALSE(App().Modified);
  });
}

TEST(FileCommands, OpenWithTheChooserCancelledKeepsUnsavedChanges) {
  ResetEditor();
  TempFolder folder("open-cancel");
  const std::string path = folder.File("a.script.wav");
  WriteFile(path, kScriptB);
  App().DocumentPath = path;
  AppendLog("nur im Speicher");
  App().Modified = true;
  ChooserStub chooser({""});
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) { Post(w, IDM_OPEN); });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  FinishWith(driver, MainCaption(path), [&](HWND w) {
    ASSERT_EQ(chooser.Calls().size(), 1u);
    EXPECT_FALSE(chooser.Calls()[0].ForSaving);
    EXPECT_EQ(chooser.Calls()[0].Preset, path);
    EXPECT_EQ(chooser.Calls()[0].Owner, w);
    // No re-read of the file: the changes the user kept are still there.
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: nur im Speicher");
    EXPECT_EQ(App().DocumentPath, path);
    EXPECT_TRUE(App().Modified);
  });
}

TEST(FileCommands, OpenReadsTheChosenScriptAndShowsTheReadersWarningsInOrder) {
  ResetEditor();
  TempFolder folder("open-warnings");
  const std::string path = folder.File("b.script.wav");
  WriteFile(path,
            "[Execute]\r\nAction=Tanzen\r\nNext=WIZ5\r\nFarbe=blau\r\n[WIZ5]\r\n"
            "Action=WriteToLog\r\nText=x\r\nNext=andere.script.wav;Start\r\n");
  ChooserStub chooser({path});
  std::vector<std::string> warnings;
  std::vector<HWND> owners;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_OPEN); });
  for (int i = 0; i < 3; ++i) {
    driver.Then("Wavoria", [&](HWND box) {
      EXPECT_EQ(MessageIcon(box), IDI_EXCLAMATION);
      EXPECT_TRUE(HasButton(box, IDOK));
      warnings.push_back(MessageText(box));
      owners.push_back(GetWindow(box, GW_OWNER));
      Click(box, IDOK);
    });
  }
  driver.Then(MainCaption(path), [&](HWND w) {
    EXPECT_EQ(Text(w, IDC_MAIN_LABEL), "Kommandos in Datei " + path + ":");
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> ???");
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 2), "<> In Logdatei schreiben: x");
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 0);
    EXPECT_EQ(App().DocumentPath, path);
    EXPECT_FALSE(App().Modified);
    for (HWND owner : owners) EXPECT_EQ(owner, w);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_NE(warnings[0].find("Verweise zu anderen Dateien"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[1].find("unbekannte Kommandos"), std::string::npos) << warnings[1];
  EXPECT_NE(warnings[2].find("unbekannte Einträge"), std::string::npos) << warnings[2];
}

TEST(FileCommands, OpeningAFileThatCannotBeReadKeepsTheScript) {
  ResetEditor();
  TempFolder folder("open-unreadable");
  const std::string missing = folder.File("fehlt.script.wav");
  AppendLog("bleibt");
  App().DocumentPath = "C:\\vorher.script.wav";
  App().Modified = true;
  // A file, and a folder in the place of one.
  ChooserStub chooser({missing, folder.Path()});
  DialogDriver driver;
  for (const auto& [path, cause] : {std::pair<std::string, std::string>{missing, "nicht gefunden"},
                                    {folder.Path(), "schreibgeschützt oder keine Berechtigung"}}) {
    driver.Then(MainCaption("C:\\vorher.script.wav"), [](HWND w) { Post(w, IDM_OPEN); });
    driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });  // the save prompt
    ThenWarning(driver, "Die Datei '" + path + "' konnte nicht geöffnet werden: " + cause + ".");
  }
  FinishWith(driver, MainCaption("C:\\vorher.script.wav"), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: bleibt");
    EXPECT_EQ(App().DocumentPath, "C:\\vorher.script.wav");
    EXPECT_TRUE(App().Modified);
  });
}

TEST(FileCommands, SaveOnAnUntitledScript) {
  ResetEditor();
  TempFolder folder("save-untitled");
  const std::string path = folder.File("neu");  // no extension is added
  AppendLog("a");
  App().Modified = true;
  ChooserStub chooser({"", path});
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Command(w, IDM_SAVE); });  // cancelled
  driver.Then(MainCaption(), [&](HWND w) {
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(App().DocumentPath, "");
    EXPECT_FALSE(FileExists(path));
    Command(w, IDM_SAVE);
  });
  FinishWith(driver, MainCaption(path), [&](HWND w) {
    EXPECT_EQ(Text(w, IDC_MAIN_LABEL), "Kommandos in Datei " + path + ":");
    EXPECT_EQ(ReadFile(path), ScriptText(App().Document));
    EXPECT_EQ(App().DocumentPath, path);
    EXPECT_FALSE(App().Modified);
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 0);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT),
              "Beginn des Skripts\r\nDatei: " + path + "\r\nSkriptname: Unbenanntes Skript");
  });
}

TEST(FileCommands, AFailedSaveIsReportedAndChangesNothing) {
  struct Case {
    const char* name;
    int command;
    bool titled;
  };
  const Case cases[] = {
      {"Save", IDM_SAVE, true},
      {"Save of an untitled script", IDM_SAVE, false},
      {"Save As", IDM_SAVE_AS, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetEditor();
    TempFolder folder("save-fails");
    const std::string old = folder.File("alt.script.wav");
    const std::string target =
        c.titled && c.command == IDM_SAVE ? old : folder.File("neu.script.wav");
    WriteFile(old, "alter Inhalt");
    WriteFile(folder.File("neu.script.wav"), "auch alt");
    if (c.titled) App().DocumentPath = old;
    AppendLog("a");
    App().Modified = true;
    const std::string caption = MainCaption(App().DocumentPath);
    ChooserStub chooser(c.titled && c.command == IDM_SAVE ? std::vector<std::string>{}
                                                          : std::vector<std::string>{target});
    DialogDriver driver;
    driver.Then(caption, [&](HWND w) {
      SimulateShortWriteAfter(20);
      Post(w, c.command);
    });
    ThenWarning(driver, "Die Datei '" + target +
                            "' konnte nicht gespeichert werden: Der Datenträger ist voll.");
    driver.Then(caption, [&](HWND w) {
      SimulateShortWriteAfter(-1);
      EXPECT_TRUE(App().Modified);
      EXPECT_EQ(App().DocumentPath, c.titled ? old : "");
      EXPECT_EQ(ReadFile(old), "alter Inhalt");
      EXPECT_EQ(ReadFile(folder.File("neu.script.wav")), "auch alt");
      CloseMainWindow(w);
    });
    ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
    SimulateShortWriteAfter(-1);
  }
}

TEST(FileCommands, SaveAsWritesTheNewFileOrKeepsAllWhenCancelled) {
  ResetEditor();
  TempFolder folder("save-as");
  const std::string old = folder.File("alt.script.wav");
  const std::string neu = folder.File("neu.script.wav");
  App().DocumentPath = old;
  AppendLog("a");
  App().Modified = true;
  ChooserStub chooser({"", neu});
  DialogDriver driver;
  driver.Then(MainCaption(old), [&](HWND w) {
    Command(w, IDM_SAVE_AS);
    EXPECT_EQ(App().DocumentPath, old);
    EXPECT_TRUE(App().Modified);
    Command(w, IDM_SAVE_AS);
  });
  FinishWith(driver, MainCaption(neu), [&](HWND) {
    EXPECT_EQ(App().DocumentPath, neu);
    EXPECT_FALSE(App().Modified);
    EXPECT_EQ(ReadFile(neu), ScriptText(App().Document));
    EXPECT_FALSE(FileExists(old));
    ASSERT_EQ(chooser.Calls().size(), 2u);
    EXPECT_TRUE(chooser.Calls()[1].ForSaving);
    EXPECT_EQ(chooser.Calls()[1].Preset, old);
  });
}

TEST(FileCommands, NotepadOpensAnUnchangedScriptsOwnFileAndReadsItBack) {
  ResetEditor();
  TempFolder folder("notepad-own");
  const std::string path = folder.File("mein & dein.script.wav");  // blanks and a shell character
  WriteFile(path, ";WIZDESC$Vorher\r\n");
  App().DocumentPath = path;
  App().Document.ScriptName = "Vorher";
  NotepadStub notepad([&] { WriteFile(path, kScriptB); });
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) { Post(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Im Editor öffnen", [&](HWND box) {
    ExpectBox(box, "Im Editor öffnen",
              "Die Datei wird nun im Editor geöffnet. Wenn Sie fertig sind, klicken Sie auf OK.",
              nullptr, {IDOK});
    EXPECT_EQ(notepad.CommandLines(), (std::vector<std::string>{"notepad.exe \"" + path + "\""}));
    Click(box, IDOK);
  });
  FinishWith(driver, MainCaption(path), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 0), "Skriptname: Zweites");
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: aus Datei B");
    EXPECT_FALSE(App().Modified);
  });
}

TEST(FileCommands, NotepadWithNeinEditsTheTemporaryFileAndTheScriptStaysChanged) {
  ResetEditor();
  TempFolder folder("notepad-temp");
  // The temporary file lies in the start folder, whatever folder is current.
  const std::string temp = StartFolder() + "\\~wiz.script.wav";
  CurrentDirectory here(folder.Path());
  AppendLog("a");
  std::string handedOver;
  NotepadStub notepad([&] {
    handedOver = ReadFile(temp);
    WriteFile(temp, kScriptB);
  });
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Wavoria", [](HWND box) {
    ExpectBox(box, "Wavoria", "Die Datei hat noch keinen Namen. Jetzt speichern?", IDI_QUESTION,
              {IDYES, IDNO, IDCANCEL});
    Click(box, IDNO);
  });
  driver.Then("Im Editor öffnen", [](HWND box) { Click(box, IDOK); });
  FinishWith(driver, MainCaption(), [&](HWND w) {
    EXPECT_EQ(notepad.CommandLines(), (std::vector<std::string>{"notepad.exe \"" + temp + "\""}));
    DeleteFileA(temp.c_str());
    EXPECT_NE(handedOver.find("Text=a\r\n"), std::string::npos) << handedOver;
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: aus Datei B");
    EXPECT_EQ(App().DocumentPath, "");
    // The script now exists only in the temporary file: leaving must ask.
    EXPECT_TRUE(App().Modified);
  });
}

TEST(FileCommands, NotepadAbbrechenAndAFailedStartChangeNothing) {
  ResetEditor();
  TempFolder folder("notepad-fails");
  const std::string path = folder.File("a.script.wav");
  App().DocumentPath = path;
  AppendLog("a");
  App().Modified = true;
  NotepadStub notepad({}, false);
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) { Post(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Wavoria", [](HWND box) {
    ExpectSavePrompt(box);
    Click(box, IDCANCEL);
  });
  driver.Then(MainCaption(path), [&](HWND w) {
    EXPECT_TRUE(notepad.CommandLines().empty());
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(App().Modified);
    Post(w, IDM_OPEN_IN_NOTEPAD);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });
  ThenWarning(driver, "Der Editor (Notepad) konnte nicht gestartet werden. Die Datei '" + path +
                          "' wurde nicht geöffnet.");
  FinishWith(driver, MainCaption(path), [&](HWND w) {
    EXPECT_EQ(notepad.CommandLines().size(), 1u);
    EXPECT_EQ(ReadFile(path), ScriptText(App().Document));  // Ja saved it
    EXPECT_FALSE(App().Modified);
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: a");
  });
}

TEST(FileCommands, NotepadStopsWhenTheFileCannotBeWritten) {
  ResetEditor();
  // A folder where the temporary file would go.
  const std::string temp = StartFolder() + "\\~wiz.script.wav";
  CreateDirectoryA(temp.c_str(), nullptr);
  AppendLog("a");
  App().Modified = true;
  NotepadStub notepad;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  ThenWarning(driver, "Die Datei '" + temp +
                          "' konnte nicht gespeichert werden: schreibgeschützt oder keine "
                          "Berechtigung.");
  FinishWith(driver, MainCaption(), [&](HWND w) {
    RemoveDirectoryA(temp.c_str());
    EXPECT_TRUE(notepad.CommandLines().empty());
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: a");
  });
}

TEST(FileCommands, AFileNotepadLeftUnreadableKeepsTheScript) {
  ResetEditor();
  TempFolder folder("notepad-readback");
  const std::string path = folder.File("a.script.wav");
  App().DocumentPath = path;
  AppendLog("a");
  App().Modified = true;
  NotepadStub notepad([&] { DeleteFileA(path.c_str()); });
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) { Post(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });
  driver.Then("Im Editor öffnen", [](HWND box) { Click(box, IDOK); });
  ThenWarning(driver, "Die Datei '" + path + "' konnte nicht geöffnet werden: nicht gefunden.");
  FinishWith(driver, MainCaption(path), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: a");
  });
}

}  // namespace
}  // namespace wavoria
