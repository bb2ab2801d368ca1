// Checks of dialog templates for the dialog tests: caption, size, and each
// control's id, class, text, kind, style and position, in template (= tab)
// order; and the items of a combo box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"

namespace wavoria::testing {

struct ControlLayout {
  int Id;
  const char* ClassName;
  const char* Text;  // nullptr: filled from the command, not checked here
  RECT Dlu;          // x, y, width, height in dialog units
  LONG KindMask;     // style bits that select the kind of control
  LONG Kind;         // their expected value
  LONG Required;     // other style bits that must be set
  LONG Forbidden;    // style bits that must be clear
};

// A one-line text box, left-aligned; `extra` are further required bits.
ControlLayout TextBox(int id, RECT dlu, LONG extra = WS_TABSTOP, LONG forbidden = 0);
// A right-aligned box that takes digits only.
ControlLayout DigitsBox(int id, RECT dlu);
ControlLayout CheckBox(int id, const char* text, RECT dlu);
ControlLayout Ok(int id, RECT dlu);
ControlLayout Cancel(int id, RECT dlu);
ControlLayout Label(int id, const char* text, RECT dlu);
ControlLayout DropDownList(int id, RECT dlu);

struct DialogLayout {
  int Id;
  const char* Caption;
  SIZE Dlu;
  std::vector<ControlLayout> Controls;
  int FocusId = 0;  // the control with the focus on opening; 0: the first one
};

// Checks an open dialog against its layout.
void CheckLayout(HWND dialog, const DialogLayout& layout);

// Opens each dialog with `run` (which runs `driver` over one opening of the
// dialog) and checks its layout, the focus on opening and that OK is the
// default button.
void CheckTemplates(const std::vector<DialogLayout>& layouts,
                    const std::function<void(DialogDriver& driver, int id)>& run);

// Runs one opening of dialog `id` through `run`: `use` sees the dialog, then
// its OK button (as `layouts` has it) is clicked.
void UseAndOk(const std::vector<DialogLayout>& layouts, int id,
              const std::function<void(DialogDriver& driver, int id)>& run,
              const std::function<void(HWND dialog)>& use);

std::vector<std::string> ComboItems(HWND dialog, int id);

}  // namespace wavoria::testing
