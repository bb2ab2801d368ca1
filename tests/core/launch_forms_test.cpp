#include "dialogs/launch_forms.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace wavoria {
namespace {

TEST(LaunchForms, ModeSelectionIgnoresLetterCase) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"Normal", 1},
      {"NORMAL", 1},
      {"minimized", 2},
      {"Maximized", 3},
      {"MINIMIZEDACTIVE", 4},
      {"notactivated", 5},
      {"ShowErrors", 0},  // a document's Display means nothing here
      {" Normal", 0},     // compared whole, blanks count
      {"Minimiert", 0},   // the item text is not a stored value
      {"NotActivatedX", 0},
  };
  testing::ExpectMaps(cases, LaunchModeSelection);
}

TEST(LaunchForms, PrioritySelectionIgnoresLetterCase) {
  const std::pair<const char*, int> cases[] = {
      {"", 1},         {"Idle", 0},     {"IDLE", 0},   {"hight", 2},
      {"HIGHT", 2},    {"High", 1},  // only the stored form with the final t selects "Hoch"
      {"Realtime", 3}, {"realTIME", 3}, {"Normal", 1}, {"Hoch", 1},
  };
  testing::ExpectMaps(cases, LaunchPrioritySelection);
}

TEST(LaunchForms, ProgramFormShowsTheStoredCommand) {
  ScriptCommand cmd;
  cmd.Command = "  %path%\\tool.exe /x  ";
  cmd.Result = "out.txt";
  cmd.Wait = "tRUE";
  cmd.Display = "maximized";
  cmd.Priority = "HIGHT";
  ProgramLaunchForm form = ShowProgramLaunch(cmd);
  EXPECT_EQ(form.File, "  %path%\\tool.exe /x  ");
  EXPECT_EQ(form.ResultFile, "out.txt");
  EXPECT_TRUE(form.Wait);
  EXPECT_EQ(form.Mode, 3);
  EXPECT_EQ(form.Priority, 2);

  form = ShowProgramLaunch(ScriptCommand{});
  EXPECT_EQ(form.File, "");
  EXPECT_FALSE(form.Wait);
  EXPECT_EQ(form.Mode, 0);      // "Nicht festgelegt"
  EXPECT_EQ(form.Priority, 1);  // "Normal"
}

TEST(LaunchForms, ProgramFormStoresEveryFieldAndClearsType) {
  ScriptCommand cmd;
  cmd.Type = "Document";
  cmd.Display = "ShowErrors";
  cmd.Key = "F1";  // not the dialog's field: kept
  ProgramLaunchForm form{" a.exe -x ", "", false, 4, 2};
  ASSERT_TRUE(StoreProgramLaunch(form, cmd));
  EXPECT_EQ(cmd.Action, "ExecProgram");
  EXPECT_EQ(cmd.Type, "");
  EXPECT_EQ(cmd.Command, " a.exe -x ");
  EXPECT_EQ(cmd.Result, "");
  EXPECT_EQ(cmd.Wait, "False");
  EXPECT_EQ(cmd.Display, "MinimizedActive");
  EXPECT_EQ(cmd.Priority, "Hight");
  EXPECT_EQ(cmd.Key, "F1");

  form = {"b.exe", "r.txt", true, 5, 1};
  ASSERT_TRUE(StoreProgramLaunch(form, cmd));
  EXPECT_EQ(cmd.Display, "NotActivated");
  EXPECT_EQ(cmd.Priority, "");
  EXPECT_EQ(cmd.Wait, "True");
  EXPECT_EQ(cmd.Result, "r.txt");

  form = {"c.exe", "", false, 0, 3};
  ASSERT_TRUE(StoreProgramLaunch(form, cmd));
  EXPECT_EQ(cmd.Display, "");
  EXPECT_EQ(cmd.Priority, "Realtime");
}

TEST(LaunchForms, AnUnknownDisplayIsStoredAsNotSet) {
  ScriptCommand cmd;
  cmd.Command = "x.exe";
  cmd.Display = "Fullscreen";
  ASSERT_TRUE(StoreProgramLaunch(ShowProgramLaunch(cmd), cmd));
  EXPECT_EQ(cmd.Display, "");
}

TEST(LaunchForms, NoSelectionKeepsTheField) {
  ScriptCommand cmd;
  cmd.Display = "Minimized";
  cmd.Priority = "Idle";
  ASSERT_TRUE(StoreProgramLaunch({"x.exe", "", false, -1, -1}, cmd));
  EXPECT_EQ(cmd.Display, "Minimized");
  EXPECT_EQ(cmd.Priority, "Idle");
}

TEST(LaunchForms, MissingFileNamesAreRefused) {
  struct Case {
    const char* file;
    bool missing;
  } cases[] = {
      {"", true}, {" ", true}, {"   ", true}, {"\t", false}, {" a ", false}, {"%path%", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.file + "'");
    EXPECT_EQ(IsMissingFileName(c.file), c.missing);

    ScriptCommand before;
    before.Action = "WriteToLog";
    before.Type = "Other";
    before.Command = "old.exe";
    before.Wait = "True";
    before.Display = "Normal";
    before.Priority = "Idle";
    before.Result = "old.txt";
    ScriptCommand cmd = before;
    EXPECT_EQ(StoreProgramLaunch({c.file, "new.txt", false, 2, 3}, cmd), !c.missing);
    EXPECT_EQ(cmd.Action, "ExecProgram");
    EXPECT_EQ(cmd.Type, "");
    if (c.missing) {
      // Only Action and Type are written before the refusal.
      ScriptCommand expected = before;
      expected.Action = "ExecProgram";
      expected.Type = "";
      EXPECT_EQ(cmd, expected);
    }

    cmd = before;
    EXPECT_EQ(StoreDocumentLaunch({c.file, true, false}, cmd), !c.missing);
    EXPECT_EQ(cmd.Type, "Document");
    if (c.missing) {
      EXPECT_EQ(cmd.Command, "old.exe");
    }
  }
}

TEST(LaunchForms, DocumentFormRoundTrip) {
  ScriptCommand cmd;
  cmd.Action = "ExecProgram";
  cmd.Type = "document";
  cmd.Command = "%path%\\liesmich.txt";
  cmd.Wait = "true";
  cmd.Display = "SHOWERRORS";
  cmd.Priority = "Idle";  // not the document dialog's field: kept
  DocumentLaunchForm form = ShowDocumentLaunch(cmd);
  EXPECT_EQ(form.File, "%path%\\liesmich.txt");
  EXPECT_TRUE(form.Wait);
  EXPECT_TRUE(form.ShowErrors);

  ASSERT_TRUE(StoreDocumentLaunch(form, cmd));
  EXPECT_EQ(cmd.Type, "Document");
  EXPECT_EQ(cmd.Wait, "True");
  EXPECT_EQ(cmd.Display, "ShowErrors");
  EXPECT_EQ(cmd.Priority, "Idle");

  form.ShowErrors = false;
  form.Wait = false;
  ASSERT_TRUE(StoreDocumentLaunch(form, cmd));
  EXPECT_EQ(cmd.Display, "");
  EXPECT_EQ(cmd.Wait, "False");

  cmd.Display = "Normal";  // a program's mode is no "ShowErrors"
  EXPECT_FALSE(ShowDocumentLaunch(cmd).ShowErrors);
}

}  // namespace
}  // namespace wavoria
