#!/usr/bin/env bash
# The Wine environment the Windows tests run in: a prefix inside the project, set for
# unattended runs, with Wine's own fonts installed; an Xvfb display of its own; and a
# persistent wineserver, so that each test program starts in a fraction of a second and ctest
# never waits on a server that inherited its pipes. The windows-* test presets use the same
# values, and take the display from QUILLMAR_WINE_DISPLAY.
#
# Sourced, it defines the functions below and exports WINEPREFIX, WINEDEBUG and
# WINEDLLOVERRIDES, and, once the display runs, QUILLMAR_WINE_DISPLAY and DISPLAY: source it
# before running ctest --preset windows-x64 by hand. Run, it does one thing:
#   tools/wine-env.sh start                 make the prefix if needed, start display and server
#   tools/wine-env.sh stop                  stop the server, and the display if it started it
#   tools/wine-env.sh dpi <dots per inch>   set the screen's dots per inch for later programs
#   tools/wine-env.sh at-dpi <dpi> <command...>
#                                           run a command at that DPI, then go back to 96

QUILLMAR_ROOT=${QUILLMAR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
QUILLMAR_WINE_DIR=$QUILLMAR_ROOT/build-wine
# The display the prefix's Xvfb serves, which Xvfb picks among the free ones as it starts: runs
# side by side, from two checkouts, neither share a display nor end each other's.
QUILLMAR_WINE_DISPLAY_FILE=$QUILLMAR_WINE_DIR/display
export WINEPREFIX=$QUILLMAR_WINE_DIR/prefix
export WINEDEBUG=-all
# No prompts to install .NET or the HTML engine into a new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's loader for 64-bit programs. Debian's wine, wineboot, winepath and regedit commands
# take the 32-bit loader whenever wine32 is installed, and that loader fails on a machine that
# cannot run 32-bit programs: everything that needs no 32-bit program goes through this one.
QUILLMAR_WINE64=/usr/lib/wine/wine64

# Runs a Wine command (wineboot, regedit, reg, winepath, a 64-bit .exe) with the 64-bit loader.
quillmar_wine64() {
  "$QUILLMAR_WINE64" "$@"
}

# Whether this machine runs 32-bit x86 programs, which the 32-bit Windows tests need under
# Wine: a tiny i386 program, which only exits with status 42, is run. Some 64-bit kernels are
# built without 32-bit support and answer "Exec format error". QUILLMAR_NO_32BIT=1 makes it
# answer no on any machine, so that the path taken without 32-bit programs can be tried too.
# Prints why when the answer is no.
quillmar_runs_32bit() {
  if [ "${QUILLMAR_NO_32BIT:-0}" = 1 ]; then
    echo "QUILLMAR_NO_32BIT=1 treats this machine as one that cannot run 32-bit programs"
    return 1
  fi
  local program status=0 error
  # In the project's folder: /tmp may be mounted without the right to run programs.
  mkdir -p "$QUILLMAR_WINE_DIR" && program=$(mktemp "$QUILLMAR_WINE_DIR/i386-probe.XXXXXX") ||
    return 1
  # An ELF header, one program header, and: mov ebx, 42; mov eax, 1 (exit); int 0x80.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00%b%b%b' \
    '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00' \
    '\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' \
    >"$program"
  chmod +x "$program"
  error=$("$program" 2>&1) || status=$?
  rm -f "$program"
  [ "$status" -eq 42 ] && return 0
  error=${error##*: }
  [ -n "$error" ] || error="status $status"
  echo "this machine cannot run 32-bit programs: a tiny i386 program failed with \"$error\""
  return 1
}

# Whether the Xvfb that quillmar_wine_display started still runs and answers on its display.
# The server itself is asked: a socket alone may be one left behind by a server that was killed.
quillmar_wine_display_up() {
  local pid display
  pid=$(cat "$QUILLMAR_WINE_DIR/xvfb.pid" 2>/dev/null) || return 1
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] || return 1
  display=$(cat "$QUILLMAR_WINE_DISPLAY_FILE" 2>/dev/null) || return 1
  xwininfo -display "$display" -root >/dev/null 2>&1
}

# Exports the running display as QUILLMAR_WINE_DISPLAY and DISPLAY; fails when none runs.
quillmar_wine_use_display() {
  quillmar_wine_display_up || return 1
  QUILLMAR_WINE_DISPLAY=$(cat "$QUILLMAR_WINE_DISPLAY_FILE")
  export QUILLMAR_WINE_DISPLAY DISPLAY=$QUILLMAR_WINE_DISPLAY
}

# Starts a 1024x768 Xvfb display unless the one started before still runs, and uses it. Xvfb
# takes the first free display number itself (-displayfd), and writes it once it listens.
quillmar_wine_display() {
  if ! quillmar_wine_display_up; then
    mkdir -p "$QUILLMAR_WINE_DIR"
    local number=$QUILLMAR_WINE_DIR/xvfb.number
    rm -f "$QUILLMAR_WINE_DISPLAY_FILE"
    : >"$number"
    # Its streams go to a file: a server left holding a caller's pipe keeps the reader waiting.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
      3>"$number" </dev/null >"$QUILLMAR_WINE_DIR/xvfb.log" 2>&1 &
    local pid=$! _
    echo "$pid" >"$QUILLMAR_WINE_DIR/xvfb.pid"
    for _ in $(seq 50); do
      if grep -qx '[0-9][0-9]*' "$number"; then
        echo ":$(cat "$number")" >"$QUILLMAR_WINE_DISPLAY_FILE"
        quillmar_wine_display_up && break
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  quillmar_wine_use_display && return 0
  echo "Xvfb did not start:" >&2
  cat "$QUILLMAR_WINE_DIR/xvfb.log" >&2
  return 1
}

# Whether a wineserver that stays without programs serves the prefix: the server works in a
# folder named after the prefix's device and inode, and was started with -p last.
quillmar_wine_server_persistent() {
  [ -d "$WINEPREFIX" ] || return 1
  local folder pid
  folder=$(printf 'server-%x-%x' "0x$(stat -c %D "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep '^wineserver'); do
    [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$folder" ] || continue
    local arguments=()
    mapfile -d '' arguments <"/proc/$pid/cmdline" 2>/dev/null || continue
    [ "${arguments[-1]:-}" = -p ] && return 0
  done
  return 1
}

# The settings for unattended runs: without a window manager Wine's own frames (else each
# window's closing waits two seconds for one), and no crash dialog (else a crash waits forever).
quillmar_wine_settings() {
  local file=$QUILLMAR_WINE_DIR/settings.reg
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' >"$file"
  quillmar_wine64 regedit /S "$(quillmar_wine64 winepath -w "$file")" </dev/null
}

# Makes the prefix once, and starts the display and a wineserver that stays until stopped.
quillmar_wine_start() {
  mkdir -p "$WINEPREFIX"
  if ! quillmar_wine_display_up; then
    # A server kept from an earlier display would keep its programs on that one.
    quillmar_wine_stop_server
  fi
  quillmar_wine_display || return 1
  if [ ! -f "$QUILLMAR_WINE_DIR/prefix.made" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    quillmar_wine64 wineboot -i </dev/null >"$QUILLMAR_WINE_DIR/wineboot.log" 2>&1 ||
      { cat "$QUILLMAR_WINE_DIR/wineboot.log" >&2; return 1; }
    touch "$QUILLMAR_WINE_DIR/prefix.made"
  fi
  if ! quillmar_wine_server_persistent; then
    # A server that a program started ends within seconds of its last program. The one that
    # made the prefix must end first: kept on, the services it leaves stall COM for 10 s.
    timeout 60 wineserver -w ||
      { echo "Wine programs still run in $WINEPREFIX; stop them first." >&2; return 1; }
    wineserver -p </dev/null >/dev/null 2>&1 || return 1
  fi
  # Wine finds its bundled fonts (MS Sans Serif, Tahoma, ...) in the prefix's Fonts folder.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -u /usr/share/wine/fonts/* "$fonts/"
  quillmar_wine_settings
}

# Stops the prefix's wineserver, which saves the registry, and every program in the prefix.
quillmar_wine_stop_server() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}

# Stops the Xvfb that quillmar_wine_display started, if it still runs.
quillmar_wine_stop_display() {
  local pid_file=$QUILLMAR_WINE_DIR/xvfb.pid pid
  [ -f "$pid_file" ] || return 0
  pid=$(cat "$pid_file")
  if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]; then
    kill "$pid"
  fi
  rm -f "$pid_file" "$QUILLMAR_WINE_DISPLAY_FILE"
}

# Sets the screen's dots per inch (96 is 100 %, 144 is 150 %) for the programs started after.
quillmar_wine_set_dpi() {
  local dpi=$1
  [[ $dpi =~ ^[1-9][0-9]*$ ]] || { echo "not a number of dots per inch: $dpi" >&2; return 1; }
  quillmar_wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    </dev/null >/dev/null
}

# Runs a command at the given dots per inch and goes back to 96 whatever it returns.
quillmar_wine_at_dpi() {
  local dpi=$1 status=0
  shift
  quillmar_wine_set_dpi "$dpi" || return 1
  "$@" || status=$?
  quillmar_wine_set_dpi 96 || return 1
  return "$status"
}

# A display started before, by another shell, serves this one too.
quillmar_wine_use_display || true

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case ${1:-} in
    start)
      quillmar_wine_start
      echo "Wine's display is $DISPLAY"
      ;;
    stop)
      quillmar_wine_stop_server
      quillmar_wine_stop_display
      ;;
    dpi) quillmar_wine_set_dpi "${2:?dots per inch}" ;;
    at-dpi)
      shift
      quillmar_wine_at_dpi "$@"
      ;;
    *)
      echo "usage: $0 start | stop | dpi <dots per inch> | at-dpi <dpi> <command...>" >&2
      exit 2
      ;;
  esac
fi
