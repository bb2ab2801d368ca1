// Windows' "best fit" from Unicode to Windows-1252: what WideCharToMultiByte
// writes for a character when the text has to be in the code page, as
// Windows' INI reader does with a UTF-16 or UTF-8 file.
#pragma once

namespace wavoria {

// The byte of c in Windows-1252: its own byte, else the byte Windows puts in
// its place ("A" for U+0100, "-" for U+2212), else "?".
char BestFitByteOf(char32_t c);

}  // namespace wavoria
