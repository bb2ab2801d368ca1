# Turns a UTF-8 text file into a Windows-1252 file with CR LF line ends, the
# form Notepad on every Windows shows correctly:
#   cmake -DINPUT=in.txt -DOUTPUT=out.txt -P cp1252_text.cmake
# A character that Windows-1252 cannot hold stops the conversion with an error,
# so a stray symbol never turns into a question mark in the shipped file.

# The Windows-1252 bytes 0x80 to 0x9F that stand for characters above U+00FF.
set(special_0x20AC 128)  # Euro sign
set(special_0x201A 130)  # single low quotation mark
set(special_0x201E 132)  # double low quotation mark
set(special_0x2026 133)  # ellipsis
set(special_0x2018 145)  # left single quotation mark
set(special_0x2019 146)  # right single quotation mark
set(special_0x201C 147)  # left double quotation mark
set(special_0x201D 148)  # right double quotation mark
set(special_0x2013 150)  # en dash
set(special_0x2014 151)  # em dash

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "usage: cmake -DINPUT=in.txt -DOUTPUT=out.txt -P cp1252_text.cmake")
endif()

file(READ "${INPUT}" hex HEX)
string(REGEX MATCHALL ".." bytes "${hex}")

set(codes "")
set(line 1)
set(remaining 0)  # continuation bytes still expected in a UTF-8 sequence
set(point 0)
foreach(byte IN LISTS bytes)
  math(EXPR value "0x${byte}")
  if(remaining GREATER 0)
    math(EXPR top_bits "${value} & 192")
    if(NOT top_bits EQUAL 128)
      message(FATAL_ERROR "${INPUT}:${line}: broken UTF-8 sequence")
    endif()
    math(EXPR point "(${point} << 6) | (${value} & 63)")
    math(EXPR remaining "${remaining} - 1")
    if(remaining GREATER 0)
      continue()
    endif()
  elseif(value LESS 128)
    set(point ${value})
  elseif(value GREATER_EQUAL 194 AND value LESS_EQUAL 223)
    math(EXPR point "${value} & 31")
    set(remaining 1)
    continue()
  elseif(value GREATER_EQUAL 224 AND value LESS_EQUAL 239)
    math(EXPR point "${value} & 15")
    set(remaining 2)
    continue()
  else()
    message(FATAL_ERROR "${INPUT}:${line}: not a UTF-8 text, or a character outside Windows-1252")
  endif()

  # One whole character in point.
  if(point EQUAL 13)
    # Line ends are written as CR LF below, whatever the source had.
  elseif(point EQUAL 10)
    list(APPEND codes 13 10)
    math(EXPR line "${line} + 1")
  elseif(point LESS 128 OR (point GREATER_EQUAL 160 AND point LESS_EQUAL 255))
    list(APPEND codes ${point})
  else()
    math(EXPR key "${point}" OUTPUT_FORMAT HEXADECIMAL)
    string(TOUPPER "${key}" key)
    string(REPLACE "0X" "0x" key "${key}")
    if(DEFINED special_${key})
      list(APPEND codes ${special_${key}})
    else()
      string(SUBSTRING "${key}" 2 -1 shown)
      message(FATAL_ERROR "${INPUT}:${line}: character U+${shown} has no place in Windows-1252")
    endif()
  endif()
endforeach()
if(remaining GREATER 0)
  message(FATAL_ERROR "${INPUT}: the text ends inside a UTF-8 sequence")
endif()

set(text "")
if(codes)
  string(ASCII ${codes} text)
endif()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
