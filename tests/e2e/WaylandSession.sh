#!/usr/bin/env bash
# The built game in a Wayland session: a headless sway compositor, keys typed
# through its virtual keyboard (wtype), windows read from its tree (swaymsg)
# and the screen read back with grim.
#
#   WaylandSession.sh PROGRAM_FOLDER ARTIFACTS_FOLDER
#
# The window appears inside the output, Ctrl+N lays out a board, F11 makes
# the window cover the output and takes it back, Space hides it, and a second
# start shows it again, focused. sway refuses to run as root: run as root,
# the scenario plays as the dedicated system user glyphmason-e2e (made once,
# when missing), in a temporary folder it owns. Exit code 0 when it passed,
# 1 when it failed (screenshots are kept in ARTIFACTS_FOLDER), 77 when sway
# is not installed.
set -euo pipefail

SCENARIO=wayland
PROGRAM_SOURCE=$1
ARTIFACTS=$2

# The game's instance lock meets only processes of the same network
# namespace: a run of its own keeps a game played meanwhile out of it.
if [ -z "${GLYPHMASON_E2E_ISOLATED:-}" ]; then
  export GLYPHMASON_E2E_ISOLATED=1
  for isolate in "unshare --net" "unshare --net --map-root-user"; do
    if $isolate true 2>/dev/null; then
      exec $isolate bash "${BASH_SOURCE[0]}" "$@"
    fi
  done
fi
source "$(dirname "${BASH_SOURCE[0]}")/XSession.sh"
RUN_NAME=wayland-under-sway

readonly PLAYER_ACCOUNT=glyphmason-e2e
SWAY_PID=

# The compositor's whole output, kept beside a failure.
screenshot() {
  [ -n "${WAYLAND_DISPLAY:-}" ] || return 0
  take_screenshot "$RUN_NAME" || true
}

take_screenshot() {
  mkdir -p "$ARTIFACTS"
  as_player grim "$WORK/$1.png" && cp "$WORK/$1.png" "$ARTIFACTS/$1.png" &&
    log "screenshot: $ARTIFACTS/$1.png"
}

stop_sway() {
  local game
  for game in "${STARTED_PIDS[@]}"; do
    kill "$game" 2>/dev/null || true
  done
  if [ -n "$SWAY_PID" ]; then
    kill "$SWAY_PID" 2>/dev/null || true
    wait "$SWAY_PID" 2>/dev/null || true
  fi
  cleanup
}
trap stop_sway EXIT
trap 'exit 1' HUP INT PIPE TERM

require_wayland_tools() {
  if ! command -v sway >/dev/null; then
    echo "sway is missing: the Wayland scenario is skipped."
    exit $SKIP
  fi
  local tool
  for tool in swaymsg wtype grim python3 convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing (cmake/Setup.sh installs it)"
  done
}

# The account that plays: this one, unless it is root, which sway refuses.
PLAYER=
choose_player() {
  if [ "$(id -u)" -ne 0 ]; then
    return 0
  fi
  if ! id -u "$PLAYER_ACCOUNT" >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
      "$PLAYER_ACCOUNT" 2>/dev/null || id -u "$PLAYER_ACCOUNT" >/dev/null ||
      fail "could not make the test account $PLAYER_ACCOUNT"
  fi
  PLAYER=$PLAYER_ACCOUNT
}

# The command as the player runs it, with the run's environment and nothing
# else, in PLAYER_COMMAND. setpriv and env put the command in their own place:
# its process id stays theirs.
player_command() {
  PLAYER_COMMAND=(env -i PATH=/usr/bin:/bin HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_DATA_HOME="$XDG_DATA_HOME"
    XDG_CACHE_HOME="$XDG_CACHE_HOME" XDG_STATE_HOME="$XDG_STATE_HOME"
    QT_QPA_PLATFORM=wayland DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" NO_AT_BRIDGE=1
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
  # sway takes a SWAYSOCK it is given, even an empty one, as its own socket.
  [ -z "${SWAYSOCK:-}" ] || PLAYER_COMMAND+=(WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK")
  PLAYER_COMMAND+=("$@")
  if [ -n "$PLAYER" ]; then
    PLAYER_COMMAND=(setpriv --reuid="$PLAYER" --regid="$PLAYER" --init-groups "${PLAYER_COMMAND[@]}")
  fi
}

as_player() {
  player_command "$@"
  "${PLAYER_COMMAND[@]}"
}

# start_as_player NAME COMMAND...: as start_program, as the player.
start_as_player() {
  local name=$1
  shift
  player_command "$@"
  (cd "$WORK" && exec "${PLAYER_COMMAND[@]}" >"$WORK/$name.out" 2>"$WORK/$name.err") &
  STARTED_PID=$!
  STARTED_PIDS+=("$STARTED_PID")
}

sway_has_sockets() {
  WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls -d wayland-[0-9]* 2>/dev/null | grep -v lock | head -n 1)
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
  [ -n "$WAYLAND_DISPLAY" ] && [ -n "$SWAYSOCK" ]
}

start_sway() {
  [ -z "$PLAYER" ] || chown -R "$PLAYER:" "$WORK"
  printf '%s\n' 'xwayland disable' 'output HEADLESS-1 resolution 1280x800' >"$WORK/sway.config"
  start_as_player sway env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$WORK/sway.config"
  SWAY_PID=$STARTED_PID
  wait_until "sway to listen" sway_has_sockets
  export WAYLAND_DISPLAY SWAYSOCK
  log "sway on $WAYLAND_DISPLAY"
}

# One line about the game's window in sway's tree: "visible focused
# fullscreen x y width height" (the content's place on the output), or
# nothing while it has none.
game_window() {
  as_player swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == "Glyphmason" or (node.get("name") or "").startswith("Glyphmason"):
        yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from walk(child)
for node in walk(json.load(sys.stdin)):
    rect, inner = node["rect"], node["window_rect"]
    print(int(node.get("visible", False)), int(node["focused"]), node["fullscreen_mode"],
          rect["x"] + inner["x"], rect["y"] + inner["y"], inner["width"], inner["height"])
    break'
}

window_is() { [[ "$(game_window)" == $1 ]]; }
window_is_gone() { [ -z "$(game_window)" ]; }

# sway's virtual keyboard loses the first keys typed right after it appears:
# each call waits before it types.
type_keys() { as_player wtype -s 400 "$@"; }

# The darkest grey in a rectangle of the output.
darkest_on_output() {
  as_player grim -g "$1,$2 $3x$4" - | convert png:- -colorspace Gray -format '%[fx:int(255*minima)]' info:
}

# The grid line between the first two squares of the 15 x 15 board.
board_is_laid_out() {
  local x y width height visible focused full
  read -r visible focused full x y width height <<<"$(game_window)"
  local square=$(((width - 355) / 15)) squareHeight=$(((height - 30) / 15))
  [ "$(darkest_on_output $((x + 345 + square - 3)) $((y + 20 + squareHeight / 2)) 6 2)" -lt 100 ]
}

scenario_wayland() {
  start_as_player game "$WORK/Glyphmason/Glyphmason"
  GAME_PID=$STARTED_PID
  wait_until "the game's window" window_is '1 1 0 *'
  local visible focused full x y width height
  read -r visible focused full x y width height <<<"$(game_window)"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 1280 ] && [ $((y + height)) -le 800 ] ||
    fail "the window lies outside the output: $(game_window)"

  type_keys -M ctrl n -m ctrl
  wait_until "a board after Ctrl+N" board_is_laid_out
  take_screenshot "$RUN_NAME-game"

  type_keys -k F11
  wait_until "the window to cover the output" window_is '1 1 1 0 0 1280 800'
  take_screenshot "$RUN_NAME-full-screen"
  type_keys -k F11
  wait_until "the window to leave full screen" window_is '1 1 0 *'

  type_keys -k space
  wait_until "Space to hide the window" window_is_gone
  is_running "$GAME_PID" || fail "the game ended instead of hiding"

  as_player env XDG_ACTIVATION_TOKEN=no-such-token "$WORK/Glyphmason/Glyphmason" ||
    fail "the second start failed"
  wait_until "the second start to show the window again" window_is '1 1 0 *'
  is_running "$GAME_PID" || fail "the game ended"
}

require_wayland_tools
prepare_work_folder
choose_player
start_sway
scenario_wayland
log "passed"
