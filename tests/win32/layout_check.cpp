#include "layout_check.h"

#include <gtest/gtest.h>

namespace wavoria::testing {

namespace {

constexpr LONG kAlign = ES_LEFT | ES_CENTER | ES_RIGHT;

// Dialog units mapped one by one, as the dialog manager places controls.
RECT ToPixels(HWND dialog, RECT dlu) {
  MapDialogRect(dialog, &dlu);
  return dlu;
}

// Dropped, the list of a combo box shows every item without scrolling.
void CheckDroppedList(HWND control) {
  SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(control, &info));
  RECT list;
  GetClientRect(info.hwndList, &list);
  const LRESULT items = SendMessageA(control, CB_GETCOUNT, 0, 0);
  const LRESULT itemHeight = SendMessageA(control, CB_GETITEMHEIGHT, 0, 0);
  EXPECT_TRUE(IsWindowVisible(info.hwndList));
  EXPECT_GE(items, 2);
  EXPECT_GE(list.bottom, items * itemHeight) << "height of the dropped list";
  SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
}

// The OK button of a layout; 0 where it has none.
int OkOf(const DialogLayout& layout) {
  for (const ControlLayout& c : layout.Controls) {
    if (c.Text != nullptr && std::string(c.Text) == "OK") return c.Id;
  }
  return 0;
}

}  // namespace

ControlLayout TextBox(int id, RECT dlu, LONG extra, LONG forbidden) {
  return {id,
          "Edit",
          nullptr,
          dlu,
          kAlign,
          ES_LEFT,
          ES_AUTOHSCROLL | extra,
          ES_NUMBER | ES_MULTILINE | forbidden};
}
ControlLayout DigitsBox(int id, RECT dlu) {
  return {id, "Edit", nullptr, dlu, kAlign, ES_RIGHT, ES_NUMBER | WS_TABSTOP, ES_MULTILINE};
}
ControlLayout CheckBox(int id, const char* text, RECT dlu) {
  return {id, "Button", text, dlu, BS_TYPEMASK, BS_AUTOCHECKBOX, WS_TABSTOP, 0};
}
ControlLayout Ok(int id, RECT dlu) {
  return {id, "Button", "OK", dlu, BS_TYPEMASK, BS_DEFPUSHBUTTON, WS_TABSTOP, 0};
}
ControlLayout Cancel(int id, RECT dlu) {
  return {id, "Button", "Abbrechen", dlu, BS_TYPEMASK, BS_PUSHBUTTON, WS_TABSTOP, 0};
}
ControlLayout Label(int id, const char* text, RECT dlu) {
  return {id, "Static", text, dlu, SS_TYPEMASK, SS_LEFT, 0, WS_TABSTOP};
}
ControlLayout DropDownList(int id, RECT dlu) {
  return {id, "ComboBox", nullptr, dlu, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST, WS_TABSTOP, 0};
}

void CheckLayout(HWND dialog, const DialogLayout& layout) {
  EXPECT_EQ(Caption(dialog), layout.Caption);
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  for (LONG bit : {LONG(DS_MODALFRAME), LONG(WS_POPUP), LONG(WS_CAPTION), LONG(WS_SYSMENU)}) {
    EXPECT_EQ(style & bit, bit) << "dialog style bit " << std::hex << bit;
  }
  RECT client;
  GetClientRect(dialog, &client);
  const RECT size = ToPixels(dialog, {0, 0, layout.Dlu.cx, layout.Dlu.cy});
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  std::vector<int> order;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    order.push_back(GetDlgCtrlID(c));
  }
  std::vector<int> expectedOrder;
  for (const ControlLayout& c : layout.Controls) expectedOrder.push_back(c.Id);
  EXPECT_EQ(order, expectedOrder) << "controls in template order";

  for (const ControlLayout& c : layout.Controls) {
    SCOPED_TRACE("control " + std::to_string(c.Id));
    HWND control = GetDlgItem(dialog, c.Id);
    ASSERT_NE(control, nullptr);
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_STRCASEEQ(className, c.ClassName);
    if (c.Text != nullptr) {
      EXPECT_EQ(Text(dialog, c.Id), c.Text);
    }
    const LONG s = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(s & c.KindMask, c.Kind) << "kind, style " << std::hex << s;
    EXPECT_EQ(s & c.Required, c.Required) << "required bits, style " << std::hex << s;
    EXPECT_EQ(s & c.Forbidden, 0) << "forbidden bits, style " << std::hex << s;
    if (std::string(c.ClassName) == "Edit") {
      // The dialog manager turns an edit's border into a sunken client edge.
      EXPECT_TRUE((s & WS_BORDER) || (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
          << "edit has a border";
    }

    const RECT want = ToPixels(dialog, c.Dlu);
    RECT have;
    GetWindowRect(control, &have);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&have), 2);
    EXPECT_EQ(have.left, want.left);
    EXPECT_EQ(have.top, want.top);
    EXPECT_EQ(have.right - have.left, want.right);
    if (std::string(c.ClassName) == "ComboBox") {
      CheckDroppedList(control);
    } else {
      EXPECT_EQ(have.bottom - have.top, want.bottom);
    }
  }
}

void CheckTemplates(const std::vector<DialogLayout>& layouts,
                    const std::function<void(DialogDriver& driver, int id)>& run) {
  for (const DialogLayout& layout : layouts) {
    SCOPED_TRACE(layout.Caption);
    int focusId = 0;
    int defaultId = 0;
    DialogDriver driver;
    driver.Then(layout.Caption, [&](HWND d) {
      CheckLayout(d, layout);
      defaultId = LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0));
      focusId = GetDlgCtrlID(GetFocus());
      PostMessageA(d, WM_CLOSE, 0, 0);
    });
    run(driver, layout.Id);
    EXPECT_EQ(focusId, layout.FocusId != 0 ? layout.FocusId : layout.Controls[0].Id)
        << "focus on opening";
    const int okId = OkOf(layout);
    EXPECT_NE(okId, 0);
    EXPECT_EQ(defaultId, okId) << "OK is the default button";
  }
}

void UseAndOk(const std::vector<DialogLayout>& layouts, int id,
              const std::function<void(DialogDriver& driver, int id)>& run,
              const std::function<void(HWND dialog)>& use) {
  for (const DialogLayout& layout : layouts) {
    if (layout.Id != id) continue;
    DialogDriver driver;
    driver.Then(layout.Caption, [&](HWND d) {
      use(d);
      Click(d, OkOf(layout));
    });
    run(driver, id);
    return;
  }
  ADD_FAILURE() << "no layout for dialog " << id;
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, i, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    items.push_back(text);
  }
  return items;
}

}  // namespace wavoria::testing
