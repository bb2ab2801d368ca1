# shellcheck shell=bash
# Shared helpers of the tools scripts: the Wine prefix, Xvfb and the Wine
# server. Source it; it changes no shell options of the caller.

WAVORIA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Every Wine run of the project uses the same environment: a prefix kept in the
# build folder, quiet logs, no Mono or Gecko download prompts, and the ANSI code
# page 1252 (Wine takes it from the locale; C.UTF-8 gives 1252). A WINEPREFIX
# from the caller's environment is not used, so that the project never changes
# the user's own prefix; WAVORIA_WINEPREFIX chooses another one on purpose.
#
# WAVORIA_DPI (e.g. 144) runs Wine at another DPI than 96, in a copy of the
# prefix made once for that DPI (LogPixels in HKCU\Control Panel\Desktop), so
# that the prefix of the tests stays at 96.
wavoria_wine_env() {
  export WINEPREFIX=${WAVORIA_WINEPREFIX:-$WAVORIA_ROOT/build/windows/wineprefix}
  if [[ -n ${WAVORIA_DPI:-} && $WAVORIA_DPI != 96 ]]; then
    WINEPREFIX=$WINEPREFIX-${WAVORIA_DPI}dpi
  fi
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  export LANG=C.UTF-8
  unset LC_ALL LC_CTYPE LC_MESSAGES
}

# Creates the Wine prefix on first use and reuses it afterwards. A fresh prefix
# takes 12 to 20 seconds. Under Xvfb without a window manager Wine must manage
# its windows itself, otherwise they get no focus and synthetic keys are lost.
# Debian's Wine does not pick up its own fonts (Tahoma, Marlett) from
# /usr/share/wine/fonts, so they are copied into the prefix's Fonts folder;
# without them dialogs fall back to DejaVu Sans and look wrong.
# A lock keeps parallel callers from building the prefix twice.
wavoria_prefix() {
  wavoria_wine_env
  local ready=$WINEPREFIX/.wavoria-prefix-2
  if [[ -n ${WAVORIA_DPI:-} && $WAVORIA_DPI != 96 ]]; then
    ready=$WINEPREFIX/.wavoria-dpi-$WAVORIA_DPI
    [[ -f $ready ]] && return 0
    local base
    base=$(WAVORIA_DPI='' && wavoria_prefix && echo "$WINEPREFIX") || return 1
    (
      flock 9
      [[ -f $ready ]] && exit 0
      echo "wine prefix: copying it for $WAVORIA_DPI DPI to $WINEPREFIX" >&2
      rm -rf "$WINEPREFIX" && cp -a "$base" "$WINEPREFIX" || exit 1
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WAVORIA_DPI" /f \
        </dev/null >/dev/null 2>&1 || { echo "wine prefix: setting LogPixels failed" >&2; exit 1; }
      timeout 60 wineserver -w || true
      touch "$ready"
    ) 9>"$WINEPREFIX.lock"
    return
  fi
  [[ -f $ready ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [[ -f $ready ]] && exit 0
    echo "wine prefix: creating $WINEPREFIX (takes a while once)" >&2
    wineboot -i </dev/null >/dev/null 2>&1 || { echo "wine prefix: wineboot failed" >&2; exit 1; }
    if [[ -d /usr/share/wine/fonts ]]; then
      cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1 || { echo "wine prefix: setting Managed=N failed" >&2; exit 1; }
    # The server writes the registry to disk when it ends.
    timeout 60 wineserver -w || true
    grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" ||
      { echo "wine prefix: Managed=N did not reach user.reg" >&2; exit 1; }
    touch "$ready"
  ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on a free display (chosen by Xvfb itself through -displayfd) and
# exports DISPLAY. Sets WAVORIA_XVFB_PID. Returns non-zero if Xvfb does not come up.
wavoria_xvfb_start() {
  local number_file i number=""
  number_file=$(mktemp "${TMPDIR:-/tmp}/wavoria-xvfb.XXXXXX")
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
  WAVORIA_XVFB_PID=$!
  for ((i = 0; i < 100; i++)); do
    number=$(tr -dc '0-9' <"$number_file")
    [[ -n $number ]] && break
    kill -0 "$WAVORIA_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [[ -z $number ]]; then
    echo "xvfb: did not start" >&2
    wavoria_xvfb_stop
    return 1
  fi
  export DISPLAY=:$number
}

# Stops the Xvfb that wavoria_xvfb_start started, if any.
wavoria_xvfb_stop() {
  if [[ -n ${WAVORIA_XVFB_PID:-} ]]; then
    kill "$WAVORIA_XVFB_PID" 2>/dev/null || true
    wait "$WAVORIA_XVFB_PID" 2>/dev/null || true
    WAVORIA_XVFB_PID=""
  fi
}

# One persistent Wine server for a whole run, so that programs do not race a
# server that is shutting down (a program started just then dies at once).
# A server left from an earlier Wine run is let end first, with a limit in case
# it is a persistent one that stays.
wavoria_wineserver_start() {
  wavoria_wine_env
  timeout 10 wineserver -w 2>/dev/null || true
  wineserver -p 2>/dev/null || true
}

# Ends every Wine process of the prefix and its server.
wavoria_wineserver_stop() {
  wavoria_wine_env
  [[ -d $WINEPREFIX ]] || return 0
  wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
}
