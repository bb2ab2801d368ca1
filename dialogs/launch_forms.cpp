#include "dialogs/launch_forms.h"

#include "document/text.h"

namespace wavoria {

namespace {

// The item whose stored value equals value (case of A to Z ignored), or
// fallback. The empty stored value of the default item matches only through
// the fallback, so an empty field selects it as well.
template <std::size_t N>
int ChoiceSelection(const std::array<LaunchChoice, N>& choices, std::string_view value,
                    int fallback) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!choices[i].Stored.empty() && EqualsIgnoreCase(choices[i].Stored, value)) {
      return static_cast<int>(i);
    }
  }
  return fallback;
}

// Writes the stored value of item into field; a missing selection keeps it.
template <std::size_t N>
void StoreChoice(const std::array<LaunchChoice, N>& choices, int item, std::string& field) {
  if (item < 0 || item >= static_cast<int>(N)) return;
  field = std::string(choices[static_cast<std::size_t>(item)].Stored);
}

std::string TrueFalse(bool value) {
  return value ? "True" : "False";
}

}  // namespace

int LaunchModeSelection(std::string_view display) {
  return ChoiceSelection(kLaunchModes, display, kDefaultLaunchMode);
}

int LaunchPrioritySelection(std::string_view priority) {
  return ChoiceSelection(kLaunchPriorities, priority, kDefaultLaunchPriority);
}

bool IsMissingFileName(std::string_view file) {
  return StripBlanks(file).empty();
}

ProgramLaunchForm ShowProgramLaunch(const ScriptCommand& cmd) {
  ProgramLaunchForm form;
  form.File = Displayable(cmd.Command);
  form.ResultFile = Displayable(cmd.Result);
  form.Wait = EqualsIgnoreCase(cmd.Wait, "TRUE");
  form.Mode = LaunchModeSelection(cmd.Display);
  form.Priority = LaunchPrioritySelection(cmd.Priority);
  return form;
}

bool StoreProgramLaunch(const ProgramLaunchForm& form, ScriptCommand& cmd) {
  cmd.Action = "ExecProgram";
  cmd.Type.clear();
  if (IsMissingFileName(form.File)) return false;
  cmd.Command = FromBox(form.File, cmd.Command);
  cmd.Result = FromBox(form.ResultFile, cmd.Result);
  cmd.Wait = TrueFalse(form.Wait);
  StoreChoice(kLaunchModes, form.Mode, cmd.Display);
  StoreChoice(kLaunchPriorities, form.Priority, cmd.Priority);
  return true;
}

DocumentLaunchForm ShowDocumentLaunch(const ScriptCommand& cmd) {
  DocumentLaunchForm form;
  form.File = Displayable(cmd.Command);
  form.ShowErrors = EqualsIgnoreCase(cmd.Display, kShowErrors);
  form.Wait = EqualsIgnoreCase(cmd.Wait, "TRUE");
  return form;
}

bool StoreDocumentLaunch(const DocumentLaunchForm& form, ScriptCommand& cmd) {
  cmd.Action = "ExecProgram";
  cmd.Type = kDocumentType;
  if (IsMissingFileName(form.File)) return false;
  cmd.Command = FromBox(form.File, cmd.Command);
  cmd.Wait = TrueFalse(form.Wait);
  cmd.Display = form.ShowErrors ? std::string(kShowErrors) : std::string();
  return true;
}

}  // namespace wavoria
