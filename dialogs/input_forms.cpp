#include "dialogs/input_forms.h"

#include "document/text.h"

namespace wavoria {

namespace {

bool IsTrue(std::string_view field) {
  return EqualsIgnoreCase(field, "TRUE");
}

std::string TrueFalse(bool value) {
  return value ? "True" : "False";
}

std::string StoredNumber(const SignedNumberForm& form) {
  return StoreSignedNumber(form.Digits, form.Negative);
}

}  // namespace

MouseSupportForm ShowMouseSupport(const ScriptCommand& cmd) {
  return {ShowSignedNumber(cmd.ID), IsTrue(cmd.Automatic)};
}

void StoreMouseSupport(const MouseSupportForm& form, ScriptCommand& cmd) {
  cmd.Action = "EnableMouseSupport";
  cmd.Enable = "True";
  cmd.ID = StoredNumber(form.Id);
  cmd.Automatic = TrueFalse(form.Automatic);
}

std::string CheatShown(std::string_view cheat) {
  return Displayable(ToUpperAscii(cheat));
}

CheatForm ShowCheat(const ScriptCommand& cmd) {
  return {CheatShown(cmd.Cheat), ShowSignedNumber(cmd.Value)};
}

void StoreCheat(const CheatForm& form, ScriptCommand& cmd) {
  cmd.Action = "RegisterCheatEvent";
  cmd.Value = StoredNumber(form.Value);
  // The box turns the "x" of an escape to upper case as well.
  const bool unchanged = EqualsIgnoreCase(form.Cheat, CheatShown(cmd.Cheat));
  cmd.Cheat = unchanged ? ToUpperAscii(cmd.Cheat) : form.Cheat;
}

namespace {

// The key name a stored Key stands for: upper case, without blanks around it.
std::string KeyNameOf(std::string_view key) {
  std::string name = ToUpperAscii(StripBlanks(key));
  if (name.empty()) name = kDefaultKeyName;
  return name;
}

}  // namespace

std::string KeyShown(std::string_view key) {
  return Displayable(KeyNameOf(key));
}

KeyEventForm ShowKeyEvent(const ScriptCommand& cmd) {
  KeyEventForm form;
  form.Event = EqualsIgnoreCase(cmd.Action, "REGISTERKEYUPEVENT") ? kKeyUpItem : kKeyDownItem;
  form.Key = KeyShown(cmd.Key);
  form.Value = ShowSignedNumber(cmd.Value);
  form.BlockKey = IsTrue(cmd.BlockKey);
  return form;
}

void StoreKeyEvent(const KeyEventForm& form, ScriptCommand& cmd) {
  cmd.Value = StoredNumber(form.Value);
  cmd.Action = form.Event == kKeyUpItem ? "RegisterKeyUpEvent" : "RegisterKeyDownEvent";
  cmd.Key = FromBox(form.Key, KeyNameOf(cmd.Key));
  cmd.BlockKey = TrueFalse(form.BlockKey);
}

}  // namespace wavoria
