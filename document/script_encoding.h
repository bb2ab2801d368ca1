// The bytes of a script file as the program's text (Windows-1252). Windows'
// INI reader, with which the game reads a script, takes a file with a UTF-16
// byte-order mark (either byte order) or a UTF-8 one as Unicode text and hands
// out its values in Windows-1252; the editor converts such a file the same
// way. A file without a mark is Windows-1252 to the game; the editor still
// converts it when it is valid UTF-8 with non-ASCII characters (what editors
// on Linux write), and says so, since saving then changes its bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wavoria {

enum class TextEncoding {
  kWindows1252,  // no mark, and not converted
  kUtf8,         // a UTF-8 mark, or valid UTF-8 with non-ASCII characters
  kUtf16,        // a UTF-16 mark
};

struct TextConversion {
  TextEncoding From = TextEncoding::kWindows1252;
  // Text holds the converted text. When false, the text is the bytes without
  // a UTF-8 mark (TextOf gives it): nothing in them changes.
  bool Converted = false;
  std::string Text;
  std::size_t FirstChanged = 0;  // offset in Text of the first character that was no ASCII byte
  int Unmappable = 0;            // characters Windows-1252 has nothing for, written as "?"
};

// Converts the bytes of a script file. Characters Windows-1252 lacks become
// what Windows' best fit makes of them, else "?"; bytes that are no valid
// UTF-8 after a UTF-8 mark become "?" as Windows replaces them.
TextConversion ConvertScriptBytes(std::string_view bytes);

// The program's text of bytes, given their conversion.
std::string_view TextOf(const TextConversion& conversion, std::string_view bytes);

}  // namespace wavoria
