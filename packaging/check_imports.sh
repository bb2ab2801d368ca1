#!/usr/bin/env bash
# Checks that each program imports only DLLs that every Windows installation
# has, so that the unpacked zip runs without a runtime beside it:
#   check_imports.sh OBJDUMP PROGRAM.exe...
# OBJDUMP is MinGW-w64's objdump (x86_64-w64-mingw32-objdump).
set -uo pipefail

if (($# < 2)); then
  echo "usage: check_imports.sh OBJDUMP PROGRAM.exe..." >&2
  exit 2
fi
objdump=$1
shift
command -v "$objdump" >/dev/null 2>&1 || objdump=x86_64-w64-mingw32-objdump

# Part of Windows itself since long before any version we run on.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll
  advapi32.dll msvcrt.dll ole32.dll oleaut32.dll shlwapi.dll uxtheme.dll version.dll winmm.dll "

status=0
for program in "$@"; do
  if [[ ! -f $program ]]; then
    echo "FAIL $program: no such file"
    status=1
    continue
  fi
  dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r')
  if [[ -z $dlls ]]; then
    echo "FAIL $program: objdump found no import table"
    status=1
    continue
  fi
  bad=()
  while read -r dll; do
    lower=${dll,,}
    [[ $system_dlls == *" $lower"[[:space:]]* ]] || bad+=("$dll")
  done <<<"$dlls"
  if ((${#bad[@]})); then
    echo "FAIL $(basename "$program") imports DLLs that Windows does not bring: ${bad[*]}"
    status=1
  else
    echo "ok   $(basename "$program") imports only system DLLs: $(tr '\n' ' ' <<<"$dlls")"
  fi
done
exit "$status"
