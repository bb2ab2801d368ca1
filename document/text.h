// Small text helpers shared by the whole program. All text is Windows-1252;
// letter case is folded for A to Z only, and "blank" means character 32 only.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace wavoria {

// CR LF, the line break of script files and of multi-line control texts.
inline constexpr std::string_view LineBreak = "\r\n";

// Upper-cases the letters a to z; every other byte stays as it is.
std::string ToUpperAscii(std::string_view text);

// Whether text begins with prefix, letters A to Z compared without case.
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Whether a and b are equal when the letters A to Z are compared without case.
// Inline: most names compared differ in length, and the lookups of sections,
// actions and kinds compare many.
inline bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoreCase(a, b);
}

// Removes blanks (character 32) at both ends; tabs stay.
std::string_view StripBlanks(std::string_view text);

// The integer at the start of a text: leading blanks are skipped; "&H", "&O"
// or "&B" (either case) introduce hexadecimal, octal or binary digits;
// otherwise an optional sign and the decimal digits up to the first other
// character count. A text without such a number gives 0. Values beyond the
// 32-bit range are clamped to it.
std::int32_t IntegerOf(std::string_view text);

// The number of a digits-only box and its "Negativ" box: leading blanks are
// skipped and the decimal digits up to the first other character count. The
// whole 32-bit range can be entered: a negative magnitude is held at 2^31, a
// positive one at 2^31 - 1, so every stored number shows and stores back
// unchanged.
std::int32_t SignedNumberOf(std::string_view digits, bool negative);

// text in single quotes, the way messages name a file, key or argument.
std::string Quoted(std::string_view text);

// Plain decimal text: "-" for negative values, no blank, no leading zeros.
std::string DecimalText(std::int64_t value);

// Appends the parts to text, making room for all of them at once.
void AppendAll(std::string& text, std::initializer_list<std::string_view> parts);

// "… und N weitere": the line that ends a list shown cut, `more` left out.
std::string AndMoreText(std::int64_t more);

// Cuts text to at most limit bytes.
std::string CutTo(std::string text, std::size_t limit);

// Whether a byte of document text is never handed to a control as it is: the
// control characters (0 to 31 and 127) and the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D). Some of them break Wine's text
// shaping, and none of them shows as anything a maker can read.
bool ShownEscaped(char c);

// Document text as a control shows it: every byte ShownEscaped names as "\x"
// and two hexadecimal digits (0x01 as "\x01"), cut to at most `limit` bytes
// before an escape that does not fit whole. With `lineBreaks`, CR LF stays the
// line break of a multi-line text. A backslash stays as it is, so the display
// is for reading: the document keeps its bytes.
std::string Displayable(std::string_view text, std::size_t limit = std::string_view::npos,
                        bool lineBreaks = false);
// The same in place, without copying a text that needs no escape.
void MakeDisplayable(std::string& text, std::size_t limit);
// The length of Displayable(text) without a limit.
std::size_t DisplayedSize(std::string_view text);

// What a dialog's text box stores for a field that it showed as
// Displayable(value): `value` itself while the box still shows exactly that,
// so an escape never enters the document unless the maker edited the text;
// otherwise the box's text as typed.
std::string FromBox(std::string_view box, std::string_view value);

}  // namespace wavoria
