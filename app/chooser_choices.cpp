#include "app/chooser_choices.h"

#include "app/editor_commands.h"

namespace wavoria {

const ChooserChoice* FindChooserChoice(int buttonId) {
  for (const ChooserChoice& choice : kChooserChoices) {
    if (choice.ButtonId == buttonId) return &choice;
  }
  return nullptr;
}

void ApplyChooserChoice(const ChooserChoice& choice, CommandTable& table) {
  ResetEditBuffer(table);
  if (choice.DialogId != 0) return;
  ScriptCommand& buffer = table.EditBuffer();
  buffer.Action = choice.Action;
  buffer.Command = choice.Command;
  buffer.Enable = choice.Enable;
}

bool ChooserClosesAfter(const CommandTable& table) {
  return !EditBufferCancelled(table);
}

}  // namespace wavoria
