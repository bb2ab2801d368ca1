#include <gtest/gtest.h>

#include "app/app_state_win.h"
#include "app/dialog_registry_win.h"
#include "dialog_driver.h"
#include "resources/resource_ids.h"

namespace wavoria {
namespace {

using testing::Click;
using testing::DialogDriver;

TEST(LogDialog, OkStoresTheWholeTextAndCancelMarksTheBuffer) {
  ScriptCommand& buffer = App().Document.EditBuffer();
  App().Document.ResetCommand(-1, true);
  buffer.Text = std::string(300, 'x');
  std::string shown;
  DialogDriver driver;
  driver.Then("In Logdatei schreiben", [&](HWND d) {
    shown = testing::Text(d, IDC_LOG_TEXT);
    SetDlgItemTextA(d, IDC_LOG_TEXT, (std::string(280, 'y') + "ä").c_str());
    Click(d, IDC_LOG_OK);
  });
  ASSERT_TRUE(driver.Run([] { ShowRegisteredDialog(nullptr, IDD_LOG); })) << driver.Problems();
  EXPECT_EQ(shown, std::string(300, 'x'));
  EXPECT_EQ(buffer.Action, "WriteToLog");
  EXPECT_EQ(buffer.Text, std::string(280, 'y') + "ä");
  EXPECT_EQ(buffer.SectionName, "");

  driver.Then("In Logdatei schreiben", [&](HWND d) {
    SetDlgItemTextA(d, IDC_LOG_TEXT, "verworfen");
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
  ASSERT_TRUE(driver.Run([] { ShowRegisteredDialog(nullptr, IDD_LOG); })) << driver.Problems();
  EXPECT_EQ(buffer.SectionName, "&NULL");
  EXPECT_EQ(buffer.Text, std::string(280, 'y') + "ä");
}

}  // namespace
}  // namespace wavoria
