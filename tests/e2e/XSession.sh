# Helpers of the real-input scenarios, sourced by Scenarios.sh: a private
# virtual X server, a private copy of the program folder and home, waits that
# poll for a condition, mouse and keyboard input through xdotool, and reading
# the screen back through ImageMagick.
#
# Expects PROGRAM_SOURCE (the built program folder), ARTIFACTS (where failure
# screenshots go) and SCENARIO (the scenario's name).

E2E_FOLDER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

readonly SKIP=77

# The programs speak English, whatever the desktop running the tests speaks;
# a scenario that plays another language sets it for its own start.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
readonly WAIT_SECONDS=${GLYPHMASON_E2E_WAIT:-60}

WORK=
XVFB_PID=
DISPLAY_NUMBER=
STARTED_PIDS=()

log() { printf '[%s] %s\n' "$RUN_NAME" "$*"; }

screenshot() {
  [ -n "$DISPLAY_NUMBER" ] || return 0
  mkdir -p "$ARTIFACTS"
  local picture="$ARTIFACTS/$RUN_NAME.png"
  if import -display ":$DISPLAY_NUMBER" -window root "$picture" 2>/dev/null; then
    log "screenshot: $picture"
  fi
}

# Keeps what the failure left behind: the screen and the programs' output.
fail() {
  log "FAILED: $*"
  mkdir -p "$ARTIFACTS"
  screenshot
  local output
  for output in "$WORK"/*.err; do
    [ -s "$output" ] || continue
    log "--- $(basename "$output") ---"
    tail -n 60 "$output"
    cp "$output" "$ARTIFACTS/$RUN_NAME-$(basename "$output")" 2>/dev/null || true
  done
  # Longer logs (a screen reader's) are kept, not shown.
  for output in "$WORK"/*.log; do
    [ -s "$output" ] && cp "$output" "$ARTIFACTS/$RUN_NAME-$(basename "$output")" 2>/dev/null || true
  done
  exit 1
}

cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "$WORK" ]; then
    rm -rf "$WORK"
  fi
}

require_tools() {
  local tool
  for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool is missing: the real-input scenarios are skipped."
      exit $SKIP
    fi
  done
  command -v import >/dev/null || fail "ImageMagick's import is missing (cmake/Setup.sh installs it)"
  command -v xwininfo >/dev/null || fail "xwininfo is missing (cmake/Setup.sh installs x11-utils)"
}

# A fresh folder holding the program folder, a home with its XDG folders and
# a session runtime folder, so that nothing touches the build or the real home.
prepare_work_folder() {
  rm -f "$ARTIFACTS/$RUN_NAME".png "$ARTIFACTS/$RUN_NAME"-*
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/glyphmason-e2e.XXXXXX")
  cp -a "$PROGRAM_SOURCE" "$WORK/Glyphmason"
  mkdir -p "$WORK/home" "$WORK/runtime" "$WORK/saves"
  chmod 700 "$WORK/runtime"
  export HOME="$WORK/home"
  export XDG_RUNTIME_DIR="$WORK/runtime"
  export XDG_CONFIG_HOME="$HOME/.config"
  export XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache"
  export XDG_STATE_HOME="$HOME/.local/state"
  export QT_QPA_PLATFORM=xcb
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"
  export NO_AT_BRIDGE=1
  unset QT_QPA_PLATFORMTHEME SESSION_MANAGER XDG_CURRENT_DESKTOP
  # A sanitized program keeps the caller's options, with the reports of
  # system libraries that only a real X server reaches suppressed.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$E2E_FOLDER/asan.supp"
}

# The virtual screen's size in pixels; a scenario of another screen sets it
# before the X server starts.
SCREEN_SIZE=${SCREEN_SIZE:-1280x1024}

# Xvfb picks a free display itself and writes its number to the given
# descriptor. Keys do not repeat: on a loaded machine a press and its release
# may lie far enough apart for the server to repeat the key.
start_x_server() {
  local numberFile="$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -noreset -r \
    3>"$numberFile" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local waited=0
  until [ -s "$numberFile" ] && grep -q '^[0-9]' "$numberFile"; do
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
    waited=$((waited + 1))
    [ $waited -lt $((WAIT_SECONDS * 10)) ] || fail "Xvfb gave no display number"
  done
  DISPLAY_NUMBER=$(head -n 1 "$numberFile")
  export DISPLAY=":$DISPLAY_NUMBER"
  log "virtual screen $DISPLAY"
}

# The window manager named by GLYPHMASON_E2E_WM (only openbox is known), or
# none. It runs with the home of the run, so no user settings reach it.
WINDOW_MANAGER=${GLYPHMASON_E2E_WM:-}
# The run's name in its log lines and failure files.
RUN_NAME=$SCENARIO${WINDOW_MANAGER:+ under $WINDOW_MANAGER}
RUN_NAME=${RUN_NAME// /-}

window_manager_runs() {
  [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]
}

start_window_manager() {
  [ -n "$WINDOW_MANAGER" ] || return 0
  [ "$WINDOW_MANAGER" = openbox ] || fail "unknown window manager '$WINDOW_MANAGER'"
  command -v openbox >/dev/null || fail "openbox is missing (cmake/Setup.sh installs it)"
  command -v xprop >/dev/null || fail "xprop is missing (cmake/Setup.sh installs x11-utils)"
  openbox --sm-disable >"$WORK/openbox.out" 2>"$WORK/openbox.err" &
  STARTED_PIDS+=("$!")
  wait_until "openbox to manage the screen" window_manager_runs
  log "window manager openbox"
}

# The frame a window manager put around the client window: "LEFT RIGHT TOP
# BOTTOM", all 0 without one.
frame_extents() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
  echo "${extents:-0 0 0 0}"
}

# wait_until DESCRIPTION COMMAND...: polls the command until it succeeds.
wait_until() {
  local what=$1
  shift
  local deadline=$((SECONDS + WAIT_SECONDS))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
    sleep 0.2
  done
}

# start_program NAME FILE [ARGUMENTS...]: starts FILE in the background with its
# output in $WORK/NAME.out and NAME.err; sets STARTED_PID.
start_program() {
  local name=$1
  shift
  (cd "$WORK" && exec "$@" >"$WORK/$name.out" 2>"$WORK/$name.err") &
  STARTED_PID=$!
  STARTED_PIDS+=("$STARTED_PID")
}

is_running() { [ -d "/proc/$1" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

is_gone() { ! is_running "$1"; }

# wait_for_exit PID DESCRIPTION: waits until the child ends; sets EXIT_CODE.
wait_for_exit() {
  wait_until "$2 to end" is_gone "$1"
  EXIT_CODE=0
  wait "$1" || EXIT_CODE=$?
}

# The visible top-level window whose title matches the pattern, if any.
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

has_window() { [ -n "$(find_window "$1")" ]; }

lacks_window() { ! has_window "$1"; }

# wait_for_window PATTERN: sets WINDOW.
wait_for_window() {
  wait_until "a window titled '$1'" has_window "$1"
  WINDOW=$(find_window "$1")
}

# The client area of a window on the screen: "X Y WIDTH HEIGHT". (xdotool's
# own position counts a window manager's frame twice.)
client_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
    END { if (w != "") print x, y, w, h; else exit 1 }'
}

# The window has its final place when two looks a moment apart agree.
window_is_settled() {
  local before
  before=$(client_geometry "$1") || return 1
  sleep 0.3
  [ "$before" = "$(client_geometry "$1")" ]
}

# use_window WINDOW: positions from now on are within its client area, which
# is WX, WY, WW x WH on the screen.
use_window() {
  wait_until "the window to settle" window_is_settled "$1"
  read -r WX WY WW WH <<<"$(client_geometry "$1")"
}

# Input. Without a window manager the keyboard follows the pointer until a
# program sets the focus, so keys for the game are sent with the pointer on it.
click_at() { xdotool mousemove "$1" "$2" sleep 0.2 click "${3:-1}"; }

key() { xdotool key --delay 80 "$@"; }

# A drag as a hand makes it: press, move through a middle point, release.
drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4
  xdotool mousemove "$x1" "$y1" sleep 0.2 mousedown 1 sleep 0.3 \
    mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.3 \
    mousemove "$x2" "$y2" sleep 0.3 mouseup 1
}

# The screen read back: the darkest value (0..255) of a rectangle, 255 when
# the screen cannot be read, and the mean colour of one as "r g b".
darkest_in() {
  import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 \
    -format '%[fx:int(255*minima)]' info: 2>/dev/null || echo 255
}

mean_colour_in() {
  import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 \
    -format '%[fx:int(255*mean.r)] %[fx:int(255*mean.g)] %[fx:int(255*mean.b)]\n' info: 2>/dev/null
}

# check_output NAME: the program's error output holds no sanitizer report.
check_output() {
  local output="$WORK/$1.err"
  [ -f "$output" ] || return 0
  if grep -q -e 'ERROR: AddressSanitizer' -e 'runtime error:' -e 'LeakSanitizer' "$output"; then
    fail "$1 printed a sanitizer report"
  fi
}
