#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <map>

#include "app/editor_commands.h"
#include "app/editor_rules.h"
#include "dialogs/input_forms.h"
#include "document/script_reader.h"
#include "test_support.h"

namespace wavoria {
namespace {

TEST(FileCommandRules, PathsAreMadeAbsoluteAgainstTheBase) {
  const char* const cases[][3] = {
      {"Sound\\KeyList.script.wav", "C:\\Spiel", "C:\\Spiel\\Sound\\KeyList.script.wav"},
      {"..\\a.wav", "C:\\Spiel\\Sound\\", "C:\\Spiel\\a.wav"},
      {".\\x\\..\\..\\..\\a.wav", "C:\\S", "C:\\a.wav"},
      {"D:\\x\\.\\a.wav", "C:\\S", "D:\\x\\a.wav"},
      {"d:/x//a.wav", "/home", "d:\\x\\a.wav"},
      {"\\a.wav", "D:\\S", "D:\\a.wav"},
      {"c:a.wav", "C:\\S", "C:\\S\\a.wav"},
      {"E:a.wav", "C:\\S", "E:\\a.wav"},
      {"\\\\srv\\share\\a.wav", "C:\\S", "\\\\srv\\share\\a.wav"},
      {"a.wav", "\\\\srv\\share\\d", "\\\\srv\\share\\d\\a.wav"},
      {"\\a.wav", "\\\\srv\\share\\d", "\\\\srv\\share\\a.wav"},
      {"~wiz.script.wav", "Z:\\", "Z:\\~wiz.script.wav"},
      {"b/a.wav", "/home/x", "/home/x/b/a.wav"},
      {"/tmp/a", "/home", "/tmp/a"},
      {"a:\\x", "C:\\S", "a:\\x"},
      {"_:x", "C:\\S", "C:\\S\\_:x"},
      {"{:x", "C:\\S", "C:\\S\\{:x"},  // only letters name drives
      {"A:\\x", "C:\\S", "A:\\x"},
      {"z:\\x", "C:\\S", "z:\\x"},
      {"", "C:\\S", ""},
      {"a.wav", "", "a.wav"},
      {"a", "C:\\S", "C:\\S\\a"},
      {"D:", "C:\\S", "D:\\"},
      {"\\\\srv", "C:\\S", "\\\\srv\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(AbsolutePath(c[0], c[1]), c[2]) << c[0] << " in " << c[1];
  EXPECT_EQ(AbsolutePath(std::string_view("\\\\srv", 1), "D:\\S"), "D:\\");  // only the view counts
}

// A name typed without extension while "Klavato-Skript" is the filter gets
// ".script.wav", so that the add-on runs it; every other name stays.
TEST(FileCommandRules, TheSaveChooserAddsTheScriptExtension) {
  const std::tuple<const char*, unsigned, const char*> cases[] = {
      {"C:\\Spiel\\spielstart", 1, "C:\\Spiel\\spielstart.script.wav"},
      {"C:\\a.b\\start", 0, "C:\\a.b\\start.script.wav"},
      {"/home/a.b/start", 1, "/home/a.b/start.script.wav"},
      {"C:start", 1, "C:start.script.wav"},
      {"C:\\Spiel\\spielstart", 2, "C:\\Spiel\\spielstart"},
      {"C:\\Spiel\\start.txt", 1, "C:\\Spiel\\start.txt"},
      {"C:\\x.script.wav", 1, "C:\\x.script.wav"},
      {"C:\\ende.", 1, "C:\\ende."},
      {"", 1, ""}};
  for (const auto& [chosen, filter, saved] : cases) {
    EXPECT_EQ(SavedScriptName(chosen, filter), saved) << chosen << ", filter " << filter;
  }
}

TEST(FileCommandRules, UnsavedChangesAreDroppedOnlyAfterNeinOrASave) {
  struct Case {
    bool modified;
    Answer answer;
    bool saves, goesOn;
    const char* steps;
  };
  const Case cases[] = {{false, Answer::kCancel, false, true, ""},
                        {true, Answer::kNo, false, true, "ask "},
                        {true, Answer::kCancel, true, false, "ask "},
                        {true, Answer::kYes, true, true, "ask save "},
                        {true, Answer::kYes, false, false, "ask save "}};
  for (const Case& c : cases) {
    std::string steps;
    const bool goesOn = MayDropChanges(
        c.modified, [&] { return steps += "ask ", c.answer; },
        [&] { return steps += "save ", c.saves; });
    EXPECT_EQ(goesOn, c.goesOn) << c.steps;
    EXPECT_EQ(steps, c.steps);
  }
}

TEST(FileCommandRules, NotepadRoundTrip) {
  const Answer kY = Answer::kYes, kN = Answer::kNo, kC = Answer::kCancel;
  // saved: where Ja saved the script ("": not saved); T is the temporary file.
  struct Case {
    const char* path;
    bool modified;
    Answer answer;
    const char* saved;
    bool writes, starts, edits, reads, modifiedAfter;
    const char* steps;
  };
  const Case cases[] = {
      {"C:\\a", false, kC, "", 1, 1, 1, 1, false, "start C:\\a|wait|read C:\\a|"},
      {"C:\\a", false, kC, "", 1, 1, 0, 1, false, "start C:\\a|wait|"},  // left as it was: not read
      {"", false, kN, "", 1, 1, 0, 1, false, "untitled|write T|start T|wait|"},
      {"", false, kN, "", 1, 1, 1, 1, true, "untitled|write T|start T|wait|read T|"},
      {"C:\\a", true, kN, "", 1, 1, 0, 1, true, "changed|write T|start T|wait|"},
      {"C:\\a", true, kY, "C:\\a", 1, 1, 1, 1, false, "changed|save|start C:\\a|wait|read C:\\a|"},
      {"C:\\a", true, kY, "C:\\a", 1, 0, 1, 1, false, "changed|save|start C:\\a|"},
      {"", false, kY, "C:\\neu", 1, 1, 0, 1, false, "untitled|save|start C:\\neu|wait|"},
      {"", true, kY, "", 1, 1, 1, 1, true, "untitled|save|"},
      {"C:\\a", true, kC, "", 1, 1, 1, 1, true, "changed|"},
      {"C:\\a", true, kN, "", 0, 1, 1, 1, true, "changed|write T|"},
      {"", false, kN, "", 1, 0, 1, 1, false, "untitled|write T|start T|"},
      {"", false, kN, "", 1, 1, 1, 0, false, "untitled|write T|start T|wait|read T|"}};
  for (const Case& c : cases) {
    std::string steps;
    std::map<std::string, std::string> files;
    NotepadSteps s;
    s.Ask = [&](std::string_view q) {
      steps += q == kSavePromptText              ? "changed|"
               : q == kUntitledNotepadPromptText ? "untitled|"
                                                 : "?|";
      return c.answer;
    };
    s.Save = [&] {
      steps += "save|";
      return *c.saved ? std::optional<std::string>(c.saved) : std::nullopt;
    };
    s.Write = [&](const std::string& f) {
      return steps += "write " + f + "|", files[f] = "s", c.writes;
    };
    s.Contents = [&](const std::string& f) {
      return files.count(f) ? std::optional<std::string>(files[f]) : std::nullopt;
    };
    s.Start = [&](const std::string& f) {
      if (c.starts && c.edits) files[f] += "x";
      return steps += "start " + f + "|", c.starts;
    };
    s.Wait = [&] { steps += "wait|"; };
    s.Read = [&](const std::string& f) { return steps += "read " + f + "|", c.reads; };
    EXPECT_EQ(EditInNotepad(c.path, c.modified, "T", s), c.modifiedAfter) << c.steps;
    EXPECT_EQ(steps, c.steps);
  }
}

TEST(FileCommandRules, OfSeveralDroppedFilesTheFirstIsOpenedAndTheUserToldSo) {
  EXPECT_EQ(std::pair(DroppedFilesNote({}), DroppedFilesNote({"C:\\a"})),
            std::pair(std::optional<std::string>(), std::optional<std::string>()));
  EXPECT_EQ(DroppedFilesNote({"C:\\a.script.wav", "C:\\Ordner"}),
            "Sie haben 2 Dateien abgelegt. Wavoria öffnet nur eine Datei auf einmal, die erste: "
            "'C:\\a.script.wav'.");
}

// A file dropped by mistake: a text without any section with an Action holds
// no script and is opened only after a question; an empty file is no loss.
TEST(FileCommandRules, AFileWithoutAScriptIsAskedAbout) {
  const std::pair<std::string, bool> files[] = {
      {"Einkaufsliste\r\nBrot\r\n", true},
      {"[Montag]\r\nBrot=2\r\n", true},
      {" \r\n\t\r\n", false},
      {"[A]\r\nAction=Tanzen\r\n", false},
      {"[S]\r\n[Execute]\r\nAction=WriteToLog\r\n", false}};
  for (const auto& [bytes, noScript] : files) {
    CommandTable table;
    ParseScript(bytes, testing::EditorActions(), table);
    EXPECT_EQ(HoldsNoScript(bytes, table), noScript) << bytes;
  }
  EXPECT_EQ(OpenNonScriptQuestion("C:\\Notizen.txt"),
            "Die Datei 'C:\\Notizen.txt' enthält kein Skript. Trotzdem öffnen?");
}

TEST(FileCommandRules, EditCountsAsAChangeAfterAConfirmedDialogOrAnyRename) {
  const std::tuple<EditTarget::Kind, bool, std::optional<int>> cases[] = {
      {EditTarget::kRename, true, 0},
      {EditTarget::kRename, false, 0},
      {EditTarget::kDialog, false, 1},
      {EditTarget::kDialog, true, std::nullopt},
      {EditTarget::kNothing, false, std::nullopt}};
  for (const auto& [kind, cancelled, line] : cases) {
    CommandTable table;
    table.Change(table.InsertCommand(1)).Action = "WriteToLog";
    LoadEditBuffer(table, 1);
    StoreLog("neu", table.EditBuffer());
    if (cancelled) CancelEditBuffer(table);
    EXPECT_EQ(FinishEdit(table, 1, {kind, 4000}), line);
    EXPECT_EQ(table.CommandAt(1)->Text, line == 1 ? "neu" : "");
  }
}

}  // namespace
}  // namespace wavoria
