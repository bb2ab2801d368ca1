#include "app/editor_rules.h"

#include <gtest/gtest.h>

#include "app/chooser_choices.h"
#include "app/editor_commands.h"

namespace wavoria {
namespace {

TEST(EditorRules, NotepadGetsTheFileNameQuoted) {
  EXPECT_EQ(NotepadCommandLine("~wiz.script.wav"), "notepad.exe \"~wiz.script.wav\"");
  // Blanks and characters the command processor would act on stay inside the quotes.
  EXPECT_EQ(NotepadCommandLine("C:\\Meine Skripte\\a & b.script.wav"),
            "notepad.exe \"C:\\Meine Skripte\\a & b.script.wav\"");
}

TEST(EditorRules, NotepadAsksUnlessTheScriptIsSavedInItsFile) {
  EXPECT_TRUE(NotepadNeedsNoPrompt("C:\\a.script.wav", false));
  EXPECT_FALSE(NotepadNeedsNoPrompt("C:\\a.script.wav", true));
  EXPECT_FALSE(NotepadNeedsNoPrompt("", false));
  EXPECT_EQ(NotepadPromptText(""), "Die Datei hat noch keinen Namen. Jetzt speichern?");
  EXPECT_EQ(NotepadPromptText("C:\\a.script.wav"),
            "An der Datei wurden Änderungen vorgenommen. Jetzt speichern?");
}

TEST(EditorRules, ModifiedAfterNotepad) {
  struct Case {
    const char* name;
    bool ownFile, wasModified, contentChanged, modified;
  };
  const Case cases[] = {
      {"own file, as it was", true, false, false, false},
      {"own file, saved first", true, true, false, false},
      {"own file, edited", true, false, true, false},
      {"temporary file of a changed script", false, true, false, true},
      {"temporary file edited in Notepad", false, false, true, true},
      {"temporary file of an unchanged script, untouched", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ModifiedAfterNotepad(c.ownFile, c.wasModified, c.contentChanged), c.modified);
  }
}

TEST(EditorRules, MessagesNameTheFile) {
  EXPECT_EQ(CannotOpenMessage("C:\\x.script.wav"),
            "Die Datei 'C:\\x.script.wav' konnte nicht geöffnet werden.");
  EXPECT_EQ(CannotSaveMessage("C:\\x.script.wav"),
            "Die Datei 'C:\\x.script.wav' konnte nicht gespeichert werden.");
  EXPECT_NE(NotepadFailedMessage("~wiz.script.wav").find("'~wiz.script.wav'"), std::string::npos);
  EXPECT_EQ(AboutText().rfind("Wavoria 1.0\r\n", 0), 0u);
}

TEST(EditorRules, ATableWith511CommandsHasNoRoom) {
  CommandTable table;
  for (int i = 0; i < kSlotCount - 2; ++i) {
    ApplyChooserChoice(*FindChooserChoice(3016), table);
    ASSERT_TRUE(AddFromEditBuffer(table, table.LastPosition() + 1));
  }
  EXPECT_TRUE(HasRoomForCommand(table));
  ApplyChooserChoice(*FindChooserChoice(3016), table);
  ASSERT_TRUE(AddFromEditBuffer(table, 1));
  EXPECT_EQ(table.LastPosition(), 511);
  EXPECT_FALSE(HasRoomForCommand(table));
  EXPECT_EQ(ScriptFullMessage(),
            "Das Skript enthält bereits 511 Kommandos. Weitere Kommandos können nicht "
            "hinzugefügt werden.");
}

}  // namespace
}  // namespace wavoria
