#!/usr/bin/env bash
# Checks the download as a game maker gets it:
#   check_package.sh make     BUILD_DIR TEST_DIR NAME   cpack writes TEST_DIR/NAME.zip
#   check_package.sh contents BUILD_DIR TEST_DIR NAME   the zip holds exactly the program
#   check_package.sh install  BUILD_DIR TEST_DIR NAME   the unpacked wavoria-cli.exe
#                                                       installs support into a game
#   check_package.sh starts   BUILD_DIR TEST_DIR NAME   the unpacked wavoria.exe opens
#                                                       its window (needs DISPLAY)
# Each check unpacks the zip into a new, empty folder. Exit 77 means skipped.
# WAVORIA_EXE and WAVORIA_CLI_EXE name the built programs (the CLI's may be
# empty when the build has none).
set -uo pipefail

if (($# != 4)); then
  echo "usage: check_package.sh make|contents|install|starts BUILD_DIR TEST_DIR NAME" >&2
  exit 2
fi
mode=$1
build=$(realpath "$2")
tests=$(realpath -m "$3")
name=$4
zip=$tests/$name.zip
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
ok() { echo "ok   $*"; }
# expect GOOD BAD COMMAND...: reports GOOD when the command succeeds, else BAD.
expect() {
  local good=$1 bad=$2
  shift 2
  if "$@"; then ok "$good"; else fail "$bad"; fi
}

# Unpacks the zip into TEST_DIR/<check>/ (emptied first) and sets program to
# the folder the zip brings.
unpack() {
  local into=$tests/$mode
  rm -rf "$into"
  mkdir -p "$into"
  if [[ ! -f $zip ]]; then
    echo "FAIL no zip at $zip (package_zip makes it)"
    exit 1
  fi
  unzip -q "$zip" -d "$into" || {
    echo "FAIL unzip $zip"
    exit 1
  }
  program=$into/$name
  [[ -d $program ]] || {
    echo "FAIL the zip does not unpack into one folder $name"
    exit 1
  }
}

built_exe=${WAVORIA_EXE:-$build/wavoria.exe}
built_cli=${WAVORIA_CLI_EXE:-}

# Whether the build has the command-line program (the zip then carries it).
have_cli() { [[ -n $built_cli && -f $built_cli ]]; }

case $mode in
make)
  rm -rf "$tests"
  mkdir -p "$tests"
  cd "$build" || exit 1
  cpack --config "$build/CPackConfig.cmake" -B "$tests" </dev/null || {
    echo "FAIL cpack"
    exit 1
  }
  [[ -f $zip ]] || {
    echo "FAIL cpack wrote no $name.zip into $tests"
    exit 1
  }
  ok "$(basename "$zip") ($(stat -c %s "$zip") bytes)"
  ;;

contents)
  unpack
  # Exactly these files, nothing more.
  expected=(LIESMICH.txt actions.dat keys.dat wavoria.exe)
  have_cli && expected+=(wavoria-cli.exe)
  while IFS= read -r file; do
    expected+=("scripts/${file#./}")
  done < <(cd "$root/data/scripts" && find . -type f | sort)
  actual=$(cd "$program" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
  if [[ $actual == "$wanted" ]]; then
    ok "the zip holds exactly: $(tr '\n' ' ' <<<"$wanted")"
  else
    fail "the zip's files differ from the expected ones (< expected, > in the zip):"
    diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]'
  fi

  # The files are the ones built and kept in the source tree.
  for file in keys.dat actions.dat; do
    expect "$file as in data/" "$file differs from data/$file" cmp -s "$root/data/$file" "$program/$file"
  done
  expect "scripts/ as in data/scripts/" "scripts/ differs from data/scripts/" \
    diff -rq "$root/data/scripts" "$program/scripts"
  expect "wavoria.exe is the one built" "wavoria.exe differs from the build's" \
    cmp -s "$built_exe" "$program/wavoria.exe"
  if have_cli; then
    expect "wavoria-cli.exe is the one built" "wavoria-cli.exe differs from the build's" \
      cmp -s "$built_cli" "$program/wavoria-cli.exe"
  fi

  # Stripped release programs, well under 1 MiB, in the zip and in dist/.
  objdump=$(command -v x86_64-w64-mingw32-objdump || command -v objdump)
  for exe in "$program"/wavoria*.exe "$root"/dist/wavoria*.exe; do
    [[ -f $exe ]] || continue
    size=$(stat -c %s "$exe")
    expect "$exe: $size bytes, under 0.9 MiB" "$exe: $size bytes, not under 0.9 MiB" \
      test "$size" -lt 943718
    if "$objdump" -h "$exe" | grep -q '\.debug'; then
      fail "$exe carries debug sections (not stripped)"
    else
      ok "$exe is stripped"
    fi
  done

  # LIESMICH.txt: Windows-1252 with CR LF, as Notepad everywhere shows it.
  readme=$program/LIESMICH.txt
  lf=$(tr -cd '\n' <"$readme" | wc -c)
  crlf=$(grep -c $'\r$' "$readme")
  if ((lf > 20 && lf == crlf)); then ok "LIESMICH.txt: $lf lines, all ending in CR LF"; else
    fail "LIESMICH.txt: $lf line ends, only $crlf of them CR LF"
  fi
  if LC_ALL=C grep -q $'\xc3' "$readme"; then
    fail "LIESMICH.txt holds UTF-8 sequences, not Windows-1252"
  elif LC_ALL=C grep -q $'f\xfcr' "$readme" && LC_ALL=C grep -q $'\xd6ffnen' "$readme"; then
    ok "LIESMICH.txt: umlauts in Windows-1252"
  else
    fail "LIESMICH.txt: no Windows-1252 umlauts (\"für\", \"Öffnen\") found"
  fi
  for word in wavoria.exe Assistent Wine "Sound\\" "scripts\\" MIT-Lizenz de_DE.UTF-8; do
    grep -qF "$word" "$readme" || fail "LIESMICH.txt does not mention $word"
  done
  ;;

install)
  have_cli || {
    echo "skipped: the build has no wavoria-cli.exe"
    exit 77
  }
  unpack
  # A game and an RPG Maker folder as the wizard expects them.
  work=$tests/$mode/work
  mkdir -p "$work/Spiel" "$work/RPG2000"
  printf 'runtime' >"$work/Spiel/RPG_RT.EXE"
  printf 'the game'"'"'s own harmony' >"$work/Spiel/harmony.dll"
  printf 'maker' >"$work/RPG2000/RPG2000.EXE"
  printf 'Klavato' >"$work/RPG2000/harmony.dll"
  printf 'the replaced harmony' >"$work/RPG2000/oldharmony.dll"

  cd "$work" || exit 1
  output=$("$root/tools/wine-run" "$program/wavoria-cli.exe" install --game Spiel --maker RPG2000 \
    --keyboard --mouse --start mouse --mouse-id 7)
  status=$?
  while IFS= read -r line; do echo "  wavoria-cli: $line"; done <<<"$output"
  expect "wavoria-cli install exited with 0" "wavoria-cli install exited with $status" \
    test "$status" -eq 0

  expect "Spiel/harmony.dll is Klavato's" "Spiel/harmony.dll was not replaced by Klavato's" \
    cmp -s "$work/Spiel/harmony.dll" "$work/RPG2000/harmony.dll"
  expect "Spiel/oldharmony.dll copied" "Spiel/oldharmony.dll missing or different" \
    cmp -s "$work/Spiel/oldharmony.dll" "$work/RPG2000/oldharmony.dll"
  for file in common/MidiTickOutput.script.wav common/MidiTickClear.script.wav \
    Key/KeyList.script.wav Key/KeySupportON.script.wav Mouse/MousePosition.script.wav; do
    expect "Sound/${file#*/} from the zip's scripts/$file" \
      "Sound/${file#*/} missing or not the zip's scripts/$file" \
      cmp -s "$program/scripts/$file" "$work/Spiel/Sound/${file#*/}"
  done
  expect "Sound/MouseSupportON.script.wav written with mouse ID 7" \
    "Sound/MouseSupportON.script.wav missing or without ID=7" \
    grep -qs '^ID=7'$'\r''$' "$work/Spiel/Sound/MouseSupportON.script.wav"
  # With both and the mouse at game start, KeySupportON is not run at start.
  printf 'Sound\\%s\r\n' MidiTickOutput.script.wav MidiTickClear.script.wav KeyList.script.wav \
    MouseSupportON.script.wav >"$work/autorun.expected"
  expect "autorun.script lists the four scripts" "autorun.script missing or wrong" \
    cmp -s "$work/autorun.expected" "$work/Spiel/autorun.script"
  ;;

starts)
  if [[ -z ${DISPLAY:-} ]]; then
    echo "skipped: no DISPLAY (tools/test provides one)"
    exit 77
  fi
  command -v xdotool >/dev/null || {
    echo "skipped: xdotool missing"
    exit 77
  }
  unpack
  source "$root/tools/lib.sh"
  wavoria_prefix || exit 1
  # Opening a script straight away shows the main window only after keys.dat
  # and actions.dat were found beside the program; a missing data file would
  # show its message box instead.
  cd "$program" || exit 1
  log=$tests/$mode/wine.log
  wine "$program/wavoria.exe" 'scripts\Key\KeyList.script.wav' </dev/null >"$log" 2>&1 &
  pid=$!
  found=""
  for ((i = 0; i < 120; i++)); do
    found=$(xdotool search --onlyvisible --name '^Wavoria - .*KeyList' 2>/dev/null | head -n 1)
    [[ -n $found ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  if [[ -n $found ]]; then
    ok "the unpacked wavoria.exe shows \"$(xdotool getwindowname "$found")\""
    command -v import >/dev/null && import -window "$found" "$tests/$mode/window.png" 2>/dev/null &&
      echo "     picture: $tests/$mode/window.png"
  else
    fail "no window \"Wavoria - ...KeyList...\" within 30 s; visible windows:"
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/  /'
    cat "$log"
  fi
  # Ends the program this check started, and only that one.
  kill "$pid" 2>/dev/null
  for ((i = 0; i < 20; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null

  # Without actions.dat the program says which file is missing (a box titled
  # "Wavoria") and, once it is answered, ends with exit code 0.
  rm -f "$program/actions.dat"
  wine "$program/wavoria.exe" </dev/null >"$log" 2>&1 &
  pid=$!
  found=""
  for ((i = 0; i < 120; i++)); do
    found=$(xdotool search --onlyvisible --name '^Wavoria$' 2>/dev/null | head -n 1)
    [[ -n $found ]] && break
    sleep 0.25
  done
  [[ -n $found ]] && xdotool windowfocus --sync "$found" key Return 2>/dev/null
  for ((i = 0; i < 40; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid"
  status=$?
  expect "without actions.dat: a message box, then exit code 0" \
    "without actions.dat: message box found: ${found:-no}, exit code $status" \
    test -n "$found" -a "$status" -eq 0
  ;;

*)
  echo "unknown check: $mode" >&2
  exit 2
  ;;
esac

((failures == 0))
