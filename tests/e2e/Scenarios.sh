#!/usr/bin/env bash
# The built game and its installer played through real X input events on a
# private virtual screen: one scenario per run.
#
#   Scenarios.sh SCENARIO PROGRAM_FOLDER ARTIFACTS_FOLDER
#
# Scenarios: play, moves, close, second-instance, install, uninstall-copy,
# folder-game, window, captions, suggest, squatted-instance,
# second-start-shows, keys, language, screen-reader, stuck-drag, game-end, and
# screen-reader-speech (under openbox only). With
# GLYPHMASON_E2E_WM=openbox they run under that window manager. Exit code 0
# when the scenario passed, 1 when it failed (a screenshot is kept in
# ARTIFACTS_FOLDER), 77 when Xvfb or xdotool is missing.
set -euo pipefail

SCENARIO=$1
PROGRAM_SOURCE=$2
ARTIFACTS=$3

# The game's instance lock is one per user of the machine. Each run gets a
# network namespace of its own where the system allows it, so that runs side
# by side, or a game played meanwhile, never meet its lock. Orca, too, runs
# once per user: its scenario also gets a process namespace with its own
# /proc, where no other Orca is seen and whose every process ends with it.
if [ -z "${GLYPHMASON_E2E_ISOLATED:-}" ]; then
  export GLYPHMASON_E2E_ISOLATED=1
  isolations=("unshare --net" "unshare --net --map-root-user")
  if [ "$SCENARIO" = screen-reader-speech ]; then
    processes="--pid --fork --kill-child --mount-proc"
    isolations=("unshare --net $processes" "unshare --net --map-root-user $processes")
  fi
  for isolate in "${isolations[@]}"; do
    if $isolate true 2>/dev/null; then
      exec $isolate bash "${BASH_SOURCE[0]}" "$@"
    fi
  done
fi
source "$(dirname "${BASH_SOURCE[0]}")/XSession.sh"

# The board's columns and rows; a scenario that plays another size sets it.
BOARD_SIZE=15

# --- The game window ----------------------------------------------------------
# Positions in the client area come from the window's fixed layout: the board's
# paint area lies at (345, 20) and grows with the window: 355 narrower and 30
# shorter than the client area (the board group box and its margins); it is
# split evenly into squares. Stock slot n is the 40 x 40 panel at
# (5 + 10 + 8 + 42 n, 165 + 5 + 20): letters panel, group box, slot.

start_game() {
  start_program "$1" "$WORK/Glyphmason/Glyphmason"
  GAME_PID=$STARTED_PID
  wait_for_window '^Glyphmason'
  use_game_window "$WINDOW"
  rest_pointer
}

use_game_window() {
  use_window "$1"
  BX=$((WX + 345)) BY=$((WY + 20))
  SW=$(((WW - 355) / BOARD_SIZE)) SH=$(((WH - 30) / BOARD_SIZE))
}

# An empty spot of the window below the panels, where the keys reach the game.
rest_pointer() { xdotool mousemove $((WX + 100)) $((WY + WH - 40)); }

stock_x() { echo $((WX + 43 + 42 * $1)); }
stock_y() { echo $((WY + 210)); }
square_x() { echo $((BX + $1 * SW + SW / 2)); }
square_y() { echo $((BY + $1 * SH + SH / 2)); }

stock_has_letter() {
  [ "$(darkest_in $(($(stock_x "$1") - 12)) $(($(stock_y) - 12)) 24 24)" -lt 100 ]
}

stock_is_full() {
  local slot
  for slot in 0 1 2 3 4 5 6; do
    stock_has_letter $slot || return 1
  done
}

# The grid line between the first two squares shows once a board is set up.
board_is_shown() { [ "$(darkest_in $((BX + SW - 3)) $((BY + SH / 2)) 6 2)" -lt 100 ]; }

# empty, loose or fixed, from the colour of a corner of the square, away from
# the letter: fixed letters lie on the highlight colour, loose ones on grey.
square_state() {
  local r g b
  read -r r g b < <(mean_colour_in $((BX + $1 * SW + 3)) $((BY + $2 * SH + 3)) 6 6) ||
    { echo unknown; return; }
  if [ $((b - r)) -gt 60 ]; then
    echo fixed
  elif [ "$r" -ge 200 ] && [ "$g" -ge 200 ] && [ "$b" -ge 200 ]; then
    echo empty
  else
    echo loose
  fi
}

square_is() { [ "$(square_state "$1" "$2")" = "$3" ]; }

wait_for_square() { wait_until "square ($1, $2) to be $3" square_is "$1" "$2" "$3"; }

drag_stock_to_square() { drag "$(stock_x "$1")" "$(stock_y)" "$(square_x "$2")" "$(square_y "$3")"; }

drag_square_to_square() {
  drag "$(square_x "$1")" "$(square_y "$2")" "$(square_x "$3")" "$(square_y "$4")"
}

new_game() {
  rest_pointer
  key ctrl+n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
}

# The centres of the buttons: "Put word on board" in the word group box,
# "New stock letters" in the stock group box, Close in the menu panel.
press_put_word() { click_at $((WX + 5 + 10 + 10 + 57)) $((WY + 165 + 165 + 20 + 12)); }
press_new_stock_letters() { click_at $((WX + 5 + 10 + 8 + 55)) $((WY + 165 + 5 + 98 + 12)); }
press_close() { click_at $((WX + 5 + 190 + 20)) $((WY + 5 + 5 + 12)); }

# save_game PATH: S opens the save dialog; the full path is typed into its
# name field. While a control of the window has the focus, one press of S
# currently opens the dialog twice (again once the first closes), and after
# the first dialog of a run some control always has it. Until that is fixed,
# only the first save of a run uses S; the others go through the Work menu.
save_game() {
  rest_pointer
  key s
  fill_save_dialog "$1"
}

# The Work menu's items are walked with the arrow keys: "Save game" is the
# fifth, the separators are skipped.
save_game_from_menu() {
  click_at $((WX + 5 + 10 + 20)) $((WY + 5 + 5 + 12))
  wait_until "the Work menu" eval '[ "$(game_window_count)" -eq 2 ]'
  key Down Down Down Down Down Return
  fill_save_dialog "$1"
}

# The program's windows on the screen: the main window, and the menu or the
# dialogs that are open (the menu is found by the program's class, not by a
# title).
game_window_count() { xdotool search --onlyvisible --class '^Glyphmason$' 2>/dev/null | wc -l; }

# fill_save_dialog PATH [TITLE]: the dialog's title is Qt's own, "Save As"
# in English.
fill_save_dialog() {
  local title=${2:-^Save As$}
  wait_for_window "$title"
  sleep 0.5
  xdotool type --delay 40 "$1"
  sleep 0.3
  key Return
  wait_until "the game file $1" test -s "$1"
  wait_until "the save dialog to close" lacks_window "$title"
}

# The answer to the save question: y, n or Escape (cancel).
answer_save_question() {
  wait_for_window '^Query$'
  sleep 0.3
  key "$1"
  wait_until "the save question to close" lacks_window '^Query$'
}

# --- Game files ---------------------------------------------------------------

# file_value FILE SECTION KEY
file_value() {
  awk -v section="[$2]" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { current = $0; next }
    current == section && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
  ' "$1"
}

# The letters on the board, one "square:letter:loose" per line, where square
# is row * columns + column and loose is TRUE or FALSE.
board_letters() {
  awk '
    { sub(/\r$/, "") }
    /^\[/ { inMap = ($0 == "[Map]"); next }
    inMap && /^L[0-9]+=./ { split(substr($0, 2), part, "="); letter[part[1]] = part[2] }
    inMap && /^S[0-9]+=/ { split(substr($0, 2), part, "="); loose[part[1]] = part[2] }
    END { for (k in letter) print k ":" letter[k] ":" loose[k] }
  ' "$1" | sort -n
}

stock_letters() {
  local slot
  for slot in 1 2 3 4 5 6 7; do
    printf '%s' "$(file_value "$1" StockLetters $slot)"
    [ $slot -eq 7 ] || printf ' '
  done
}

expect_equal() {
  [ "$2" = "$3" ] || fail "$1: expected '$3', found '$2'"
}

# close_game_and_expect_exit: the window closes at once (nothing unsaved) and
# the program ends with code 0, having printed no sanitizer report.
close_game_and_expect_exit() {
  press_close
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  check_output "$1"
}

# --- Scenarios ----------------------------------------------------------------

# A first word: two stock letters dragged side by side, put on the board with
# the button, saved through the dialog and read back from the file.
scenario_play() {
  start_game game
  # The frame is known only after the window is first shown.
  wait_until "the windowed mode's bounds" bounds_are outer_bounds "$WINDOWED_BOUNDS"
  new_game
  drag_stock_to_square 0 7 7
  wait_for_square 7 7 loose
  drag_stock_to_square 1 8 7
  wait_for_square 8 7 loose
  press_put_word
  wait_for_square 7 7 fixed
  wait_for_square 8 7 fixed

  local saved="$WORK/saves/played.gmg"
  save_game_from_menu "$saved"
  local letters
  letters=$(board_letters "$saved" | tr '\n' ' ')
  [[ $letters =~ ^112:[^:]:FALSE\ 113:[^:]:FALSE\ $ ]] ||
    fail "the board should hold two fixed letters at (7, 7) and (8, 7), found: $letters"
  local score
  score=$(file_value "$saved" GlyphmasonGame Score)
  [ "${score:-0}" -gt 0 ] || fail "the word scored '$score'"
  [[ $(stock_letters "$saved") =~ ^([^\ ]\ ){6}[^\ ]$ ]] ||
    fail "the stock was not refilled: '$(stock_letters "$saved")'"
  close_game_and_expect_exit game
}

# Loose letters moved on the board, one taken back with the right button,
# then the whole stock replaced.
scenario_moves() {
  start_game game
  new_game
  local start="$WORK/saves/a-start.gmg"
  save_game "$start"
  local -a stock
  read -r -a stock <<<"$(stock_letters "$start")"
  local changes
  changes=$(file_value "$start" GlyphmasonGame LetterChangesCount)

  drag_stock_to_square 0 7 7
  wait_for_square 7 7 loose
  drag_stock_to_square 1 8 7
  wait_for_square 8 7 loose
  drag_square_to_square 8 7 8 9
  wait_for_square 8 9 loose
  wait_for_square 8 7 empty
  xdotool mousemove "$(square_x 7)" "$(square_y 7)" sleep 0.2 click 3
  wait_for_square 7 7 empty
  wait_until "the letter back in the first stock slot" stock_has_letter 0

  local moved="$WORK/saves/b-moved.gmg"
  save_game_from_menu "$moved"
  expect_equal "letters on the board after the moves" \
    "$(board_letters "$moved" | tr '\n' ' ')" "143:${stock[1]}:TRUE "
  expect_equal "stock after taking a letter back" "$(stock_letters "$moved")" \
    "${stock[0]}  ${stock[2]} ${stock[3]} ${stock[4]} ${stock[5]} ${stock[6]}"

  press_new_stock_letters
  wait_for_square 8 9 empty
  wait_until "a full new stock" stock_is_full
  local renewed="$WORK/saves/c-renewed.gmg"
  save_game_from_menu "$renewed"
  expect_equal "letters on the board after new stock letters" "$(board_letters "$renewed")" ""
  [[ $(stock_letters "$renewed") =~ ^([^\ ]\ ){6}[^\ ]$ ]] ||
    fail "new stock letters left the stock '$(stock_letters "$renewed")'"
  expect_equal "letter changes after new stock letters" \
    "$(file_value "$renewed" GlyphmasonGame LetterChangesCount)" "$((changes - 1))"
  close_game_and_expect_exit game
}

# Closing a modified game: Cancel keeps it open and writes nothing; No ends
# the program with code 0 and the options file written.
scenario_close() {
  start_game game
  new_game
  drag_stock_to_square 0 7 7
  wait_for_square 7 7 loose
  local options="$WORK/Glyphmason/Glyphmason.ini"

  press_close
  answer_save_question Escape
  sleep 1
  is_running "$GAME_PID" || fail "the game ended although the save question was cancelled"
  [ ! -e "$options" ] || fail "the options were written although the close was cancelled"

  press_close
  answer_save_question n
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  [ -s "$options" ] || fail "closing did not write $options"
  expect_equal "board size in the options" "$(file_value "$options" GlyphmasonGame ColumnsCount)" 15
  expect_equal "games saved on No" "$(ls "$WORK/Glyphmason/GlyphmasonGames")" ""
  check_output game
}

# A second start while the game runs leaves at once with code 0 and shows
# nothing; once the first has closed, the game starts again.
scenario_second_instance() {
  start_game first
  second_start
  expect_equal "game windows" "$(game_window_count)" 1
  is_running "$GAME_PID" || fail "the first game ended when the second started"

  new_game
  close_game_and_expect_exit first

  start_game third
  close_game_and_expect_exit third
}

# run_installer NAME TITLE BOX KEY FILE [ARGUMENTS...]: starts the installer
# window (install or uninstall), presses its Install button, answers the box
# that follows with the key, and expects the program to end with code 0.
run_installer() {
  local name=$1 title=$2 box=$3 answer=$4
  shift 4
  start_program "$name" "$@"
  local installer=$STARTED_PID
  wait_for_window "$title"
  use_window "$WINDOW"
  click_at $((WX + 255)) $((WY + 426))
  wait_for_window "$box"
  sleep 0.3
  key "$answer"
  wait_for_exit "$installer" "the $name"
  expect_equal "exit code of the $name" "$EXIT_CODE" 0
}

# The installer run from the program folder installs into the per-user
# programs folder of the home, makes the desktop entries and starts the game.
scenario_install() {
  run_installer installer '^Install Glyphmason$' '^Query$' y "$WORK/Glyphmason/Install"

  local installed="$HOME/.local/opt/Glyphmason"
  local file
  for file in Glyphmason Readme.txt Help.hlp GlyphmasonDictionaries/English.gmd \
    GlyphmasonDictionaries/English.txt; do
    [ -f "$installed/$file" ] || fail "$installed/$file was not installed"
  done
  [ -x "$installed/Glyphmason" ] || fail "the installed program is not executable"
  [ ! -e "$installed/Install" ] || fail "the installer's name stayed in $installed"

  local menu="$XDG_DATA_HOME/applications/Glyphmason"
  for file in "$HOME/Desktop/Glyphmason.desktop" "$menu/Glyphmason.desktop" \
    "$menu/Uninstall.desktop" "$menu/Readme.desktop"; do
    [ -f "$file" ] || fail "$file was not made"
    grep -q '^\[Desktop Entry\]' "$file" || fail "$file is no desktop entry"
    if command -v desktop-file-validate >/dev/null; then
      desktop-file-validate "$file" >&2 || fail "$file does not pass desktop-file-validate"
    fi
  done
  expect_equal "the desktop entry's command" \
    "$(file_value "$HOME/Desktop/Glyphmason.desktop" 'Desktop Entry' Exec)" "$installed/Glyphmason"
  expect_equal "the uninstall entry's command" \
    "$(file_value "$menu/Uninstall.desktop" 'Desktop Entry' Exec)" "$installed/Glyphmason /Uninstall"

  # The installer started the installed game; it is not our child.
  wait_for_window '^Glyphmason'
  local game
  game=$(xdotool getwindowpid "$WINDOW")
  expect_equal "the started program" "$(readlink "/proc/$game/exe")" "$installed/Glyphmason"
  STARTED_PIDS+=("$game")
  use_game_window "$WINDOW"
  press_close
  wait_until "the installed game to end" is_gone "$game"
  check_output installer
}

# The client area and frame of the game window: "X Y WIDTH HEIGHT" of the
# outer bounds, frame included.
outer_bounds() {
  local x y width height left right top bottom
  read -r x y width height <<<"$(client_geometry "$WINDOW")"
  read -r left right top bottom <<<"$(frame_extents "$WINDOW")"
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

client_bounds() { client_geometry "$WINDOW"; }

bounds_are() { [ "$("$1")" = "$2" ]; }

# The windowed mode on this 1280 x 1024 screen (no panel takes any of it):
# 95 % of it, centred, frame included.
readonly WINDOWED_BOUNDS="32 26 1215 972"
readonly SCREEN_BOUNDS="0 0 1280 1024"

press_full_screen() { click_at $((WX + 5 + 240 + 8)) $((WY + 5 + 10 + 8)); }

# The window is minimised: a window manager unmaps it (with none, the
# program asks in vain and the window stays).
is_minimised() { [[ $(xprop -id "$WINDOW" WM_STATE 2>/dev/null) == *Iconic* ]]; }

# Full screen and the windowed mode, started either way, with a 30 x 30 board
# whose every square can be reached; Space hides the program and presses
# nothing else; every window has the program's icon.
scenario_window() {
  BOARD_SIZE=30
  printf '[GlyphmasonGame]\r\nColumnsCount=30\r\nRowsCount=30\r\nFullScreen=TRUE\r\n' \
    >"$WORK/Glyphmason/Glyphmason.ini"
  start_game game
  local GAME_WINDOW=$WINDOW
  wait_until "a full-screen window" bounds_are client_bounds "$SCREEN_BOUNDS"
  use_game_window "$WINDOW"
  [[ $(xprop -id "$WINDOW" _NET_WM_ICON 2>/dev/null) == *"Icon (48 x 48)"* ]] ||
    fail "the window has not the program's icon"
  new_game
  drag_stock_to_square 0 29 29
  wait_for_square 29 29 loose

  press_full_screen
  wait_until "the windowed mode" bounds_are outer_bounds "$WINDOWED_BOUNDS"
  use_game_window "$WINDOW"
  wait_for_square 29 29 loose

  # Space with "New stock letters" focused: a press there, released outside,
  # gives it the focus without a click.
  xdotool mousemove $((WX + 5 + 10 + 8 + 55)) $((WY + 165 + 5 + 98 + 12)) sleep 0.2 mousedown 1 \
    sleep 0.2 mousemove $((WX + 100)) $((WY + WH - 40)) sleep 0.2 mouseup 1
  key space
  if [ -n "$WINDOW_MANAGER" ]; then
    wait_until "the window to be minimised" is_minimised
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowmap "$WINDOW"
    wait_until "the window to come back" has_window '^Glyphmason'
  fi
  sleep 1
  use_game_window "$WINDOW"
  local saved="$WORK/saves/window.gmg"
  save_game_from_menu "$saved"
  WINDOW=$GAME_WINDOW  # the save dialog took the name
  expect_equal "letter changes after Space" \
    "$(file_value "$saved" GlyphmasonGame LetterChangesCount)" 45
  expect_equal "letters on the board after Space" "$(board_letters "$saved" | cut -d: -f1,3)" \
    "899:TRUE"

  press_full_screen
  wait_until "full screen again" bounds_are client_bounds "$SCREEN_BOUNDS"
  use_game_window "$WINDOW"
  wait_for_square 29 29 loose
  press_full_screen
  wait_until "the same windowed mode again" bounds_are outer_bounds "$WINDOWED_BOUNDS"
  use_game_window "$WINDOW"
  close_game_and_expect_exit game
}

# The caption-fit tests once more on the real X server: its font engine
# measures text as the player sees it (the offscreen one of the unit tests
# rounds differently).
scenario_captions() {
  [ -x "${GLYPHMASON_UI_TESTS:-}" ] || fail "GLYPHMASON_UI_TESTS names no test program"
  (cd "$WORK" && GLYPHMASON_TEST_PLATFORM=xcb "$GLYPHMASON_UI_TESTS" --gtest_filter='*CaptionsFit*' \
    >"$WORK/captions.out" 2>"$WORK/captions.err") ||
    fail "captions do not fit on the X server: $(grep -A3 'Which is' "$WORK/captions.out")"
  grep -q '\[  PASSED  \] [1-9]' "$WORK/captions.out" || fail "no caption-fit test ran"
}

# A copy of the program on the desktop, started to uninstall, was not
# installed by the installer: it warns, deletes nothing and ends.
scenario_uninstall_copy() {
  local desktop="$HOME/Desktop"
  mkdir -p "$desktop"
  cp "$WORK/Glyphmason/Glyphmason" "$WORK/Glyphmason/Readme.txt" "$desktop/"
  printf 'the user\047s work' >"$desktop/Thesis.odt"
  run_installer uninstaller '^Uninstall Glyphmason$' '^Warning$' Return \
    "$desktop/Glyphmason" /Uninstall
  expect_equal "the user's file" "$(cat "$desktop/Thesis.odt" 2>/dev/null)" "the user's work"
  [ -f "$desktop/Glyphmason" ] || fail "the copy of the program was deleted"
  check_output uninstaller
}

# The last game names a folder: Ctrl+Z gives the normal load failure, which
# the Log button writes down, and the game goes on.
scenario_folder_game() {
  local folder="$WORK/saves/x.gmg"
  mkdir -p "$folder"
  printf '[GlyphmasonGame]\r\nLastGameTitle=%s\r\n' "$folder" >"$WORK/Glyphmason/Glyphmason.ini"
  start_game game
  key ctrl+z
  wait_for_window '^Error$'
  sleep 0.3
  key alt+l
  wait_until "the error log" test -s "$WORK/Glyphmason/Errors.log"
  key Return
  wait_until "the error dialog to close" lacks_window '^Error$'
  local log="$WORK/Glyphmason/Errors.log"
  grep -q 'Failed to load file\.' "$log" || fail "the log holds no load failure: $(cat "$log")"
  grep -q 'The path names a folder, not a file\.' "$log" || fail "the log does not say why: $(cat "$log")"
  is_running "$GAME_PID" || fail "the game ended after the failed load"
  [ -d "$folder" ] || fail "the folder was removed"
  new_game
  close_game_and_expect_exit game
}

# --- Suggest word ---------------------------------------------------------------

press_put_flipped_word() { click_at $((WX + 5 + 10 + 130 + 55)) $((WY + 165 + 165 + 20 + 12)); }

# loose_word FILE: the word the loose letters of a saved game read with the
# letters they touch, left to right or top to bottom.
loose_word() {
  board_letters "$1" | awk -F: -v columns=$BOARD_SIZE '
    { c = $1 % columns; r = int($1 / columns); letter[c "," r] = $2
      if ($3 == "TRUE") { n++; lc[n] = c; lr[n] = r } }
    END {
      if (n == 0) exit
      across = 1
      for (i = 2; i <= n; i++) if (lr[i] != lr[1]) across = 0
      if (n == 1) across = ((lc[1] - 1) "," lr[1] in letter) || ((lc[1] + 1) "," lr[1] in letter)
      lo = hi = across ? lc[1] : lr[1]
      for (i = 2; i <= n; i++) {
        v = across ? lc[i] : lr[i]
        if (v < lo) lo = v
        if (v > hi) hi = v
      }
      while ((across ? (lo - 1) "," lr[1] : lc[1] "," (lo - 1)) in letter) lo--
      while ((across ? (hi + 1) "," lr[1] : lc[1] "," (hi + 1)) in letter) hi++
      for (v = lo; v <= hi; v++) word = word letter[across ? v "," lr[1] : lc[1] "," v]
      print word
    }'
}

# loose_score FILE DICTIONARY: what the loose letters of a saved game score
# with the dictionary's weights and bonuses: 9 x (1 - weight / 1000)^2 + 1,
# rounded half up, for each letter, plus the bonus for their number.
loose_score() {
  local letters
  letters=$(board_letters "$1" | awk -F: '$3 == "TRUE" { printf "%s", $2 }')
  placed_score "$2" "$letters" ${#letters}
}

# placed_score DICTIONARY LETTERS COUNT...: the scores of the letters placed in
# one or more turns, plus the bonus for each turn's number of letters.
placed_score() {
  awk -v letters="$2" -v counts="${*:3}" '
    { sub(/\r$/, "") }
    /^\[/ { section = $0; next }
    section == "[Alphabet]" && /^Char[0-9]+=/ { split($0, kv, "="); slot[substr(kv[1], 5)] = kv[2] }
    section == "[Alphabet]" && /^Prob[0-9]+=/ { split($0, kv, "="); weight[substr(kv[1], 5)] = kv[2] }
    section == "[LengthScores]" && /^[1-7]=/ { split($0, kv, "="); bonus[kv[1]] = kv[2] }
    END {
      for (s in slot) if (weight[s] >= 1) {
        x = 9 * (1 - weight[s] / 1000) ^ 2 + 1
        score[slot[s]] = (x - int(x) >= 0.5) ? int(x) + 1 : int(x)
      }
      for (i = 1; i <= length(letters); i++) total += score[substr(letters, i, 1)]
      turns = split(counts, count, " ")
      for (i = 1; i <= turns; i++) total += bonus[count[i]]
      print total
    }' "$1"
}

# suggest_and_commit DICTIONARY NAME: H lays a word; a save shows its loose
# letters; the button for their word (the flipped one only when the word is
# in the words list read backwards alone) commits it; a second save shows
# the letters fixed and the score grown by what they scored.
suggest_and_commit() {
  local tries
  for tries in 1 2 3; do
    rest_pointer
    key h
    wait_until "a suggestion or its message" eval '! stock_is_full || has_window "^Message$"'
    stock_is_full || break
    # These letters make no word here: the message goes, and new ones come.
    log "no word for this stock; new stock letters"
    key Return
    wait_until "the message to close" lacks_window '^Message$'
    press_new_stock_letters
    sleep 1
    [ $tries -lt 3 ] || fail "three stocks in a row made no word"
  done
  local laid="$WORK/saves/$2-suggested.gmg"
  save_game_from_menu "$laid"
  local word score loose
  word=$(loose_word "$laid")
  [ ${#word} -ge 2 ] || fail "the suggestion laid no word: $(board_letters "$laid" | tr '\n' ' ')"
  score=$(loose_score "$laid" "$1.gmd")
  loose=$(board_letters "$laid" | grep ':TRUE$' | sed 's/:TRUE$//')
  log "suggested: $word, scoring $score"
  local first
  first=$(head -n 1 <<<"$loose" | cut -d: -f1)
  if tr -d '\r' <"$1.txt" | grep -qixF -- "$word"; then
    press_put_word
  else
    press_put_flipped_word
  fi
  wait_for_square $((first % BOARD_SIZE)) $((first / BOARD_SIZE)) fixed
  local committed="$WORK/saves/$2-committed.gmg"
  save_game_from_menu "$committed"
  local square
  while read -r square; do
    grep -qxF "$square:FALSE" <(board_letters "$committed") ||
      fail "the suggested letter $square is not fixed after the commit"
  done <<<"$loose"
  expect_equal "score after the suggested word" \
    "$(file_value "$committed" GlyphmasonGame Score)" \
    "$(($(file_value "$laid" GlyphmasonGame Score) + score))"
}

# Suggest word on a new game and once more on the board with its first word:
# each time the named button commits the word and the score grows by its score.
scenario_suggest() {
  start_game game
  new_game
  local dictionary="$WORK/Glyphmason/GlyphmasonDictionaries/English"
  suggest_and_commit "$dictionary" first
  suggest_and_commit "$dictionary" second
  close_game_and_expect_exit game
}

# --- The instance lock among accounts ------------------------------------------

# The account without rights that stands for another user of the machine.
readonly STRANGER_ID=65534

# squat_instance_names: another account binds the name under which the game
# looks for its lock first, answering there, and the name after it, silent.
# Only root may act as another account: elsewhere the scenario is skipped.
squat_instance_names() {
  local python=/usr/bin/python3
  if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || [ ! -x $python ] ||
    ! setpriv --reuid=$STRANGER_ID --regid=$STRANGER_ID --clear-groups true 2>/dev/null; then
    log "no other account can be acted here: skipped"
    exit $SKIP
  fi
  local name="glyphmason-instance/$(id -u)/Mutex_ProgramInstance_Glyphmason"
  (cd / && exec setpriv --reuid=$STRANGER_ID --regid=$STRANGER_ID --clear-groups $python -I -c '
import socket, sys, time
held = []
for name, answers in ((sys.argv[1], True), (sys.argv[1] + "/1", False)):
    held.append(socket.socket(socket.AF_UNIX, socket.SOCK_STREAM))
    held[-1].bind("\0" + name)
    if answers:
        held[-1].listen(8)
print("bound", flush=True)
time.sleep(3600)
' "$name" >"$WORK/stranger.out" 2>"$WORK/stranger.err") &
  STARTED_PIDS+=("$!")
  wait_until "the other account to bind the names" grep -q bound "$WORK/stranger.out"
}

# second_start: starts the game once more, which must leave at once with
# code 0 and show nothing of its own.
second_start() {
  local began=$SECONDS
  local code=0
  (cd "$WORK" && timeout 60 "$WORK/Glyphmason/Glyphmason" >"$WORK/second.out" 2>"$WORK/second.err") ||
    code=$?
  local took=$((SECONDS - began))
  expect_equal "exit code of the second start" "$code" 0
  [ $took -le 20 ] || fail "the second start took $took s to leave"
  check_output second
}

# Another account took the game's lock names first: the game starts all the
# same, and a second start of the player still meets it and leaves.
scenario_squatted_instance() {
  squat_instance_names
  start_game game
  second_start
  expect_equal "game windows" "$(game_window_count)" 1
  is_running "$GAME_PID" || fail "the game ended when the second started"
  close_game_and_expect_exit game
}

# The window is on the screen: mapped, and not minimised.
is_shown() {
  [[ $(xwininfo -id "$WINDOW" 2>/dev/null) == *"Map State: IsViewable"* ]] && ! is_minimised
}

# Space hides the game; a second start leaves with code 0 as ever, and the
# game's window comes back (with no window manager it never went).
scenario_second_start_shows() {
  start_game game
  rest_pointer
  key space
  if [ -n "$WINDOW_MANAGER" ]; then
    wait_until "the window to be minimised" is_minimised
  fi
  second_start
  wait_until "the window to come back" is_shown
  expect_equal "game windows" "$(game_window_count)" 1
  use_game_window "$WINDOW"
  new_game
  close_game_and_expect_exit game
}

# --- Keyboard play ---------------------------------------------------------------

# The game started without touching the pointer: it rests where the X server
# put it, in the middle of the screen, over the centred window.
start_game_untouched() {
  start_program "$1" "$WORK/Glyphmason/Glyphmason"
  GAME_PID=$STARTED_PID
  wait_for_window '^Glyphmason'
  use_game_window "$WINDOW"
}

# From the board, Tab goes round to the Work button; the Close button is the
# fourth after it, and Enter presses it.
# From the board, which has the focus after every command: past the stock,
# then Work, Help, About and Hide to Close.
close_by_keys_and_expect_exit() {
  key Tab Tab Tab Tab Tab Tab Return
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  check_output "$1"
}

# A whole game without one mouse event: three words typed with the stock
# digits from the middle square, the cursor moved with the arrows and turned
# with "/", one letter taken back with Backspace and one with Delete, one
# word put flipped with Shift+Enter, the first word undone with
# Alt+Backspace and redone with Shift+Alt+Backspace, a letter changed with
# Ctrl+1 and chosen by typing it, the game saved with S and the program closed from the
# keyboard. The saved file holds the three words fixed and their scores.
scenario_keys() {
  start_game_untouched game
  key ctrl+n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
  # Across from H8: three letters, the last taken back and typed again (it
  # went back to the slot it came from).
  key 1 2 3
  wait_for_square 9 7 loose
  key BackSpace
  wait_for_square 9 7 empty
  key 3 Return
  wait_for_square 9 7 fixed
  # The word taken back with Alt+Backspace (its letters go back to the
  # stock) and put again with Shift+Alt+Backspace, the very same letters.
  key alt+BackSpace
  wait_until "the first word to be taken back" eval \
    'square_is 7 7 empty && square_is 9 7 empty && stock_is_full'
  key shift+alt+BackSpace
  wait_for_square 9 7 fixed
  wait_for_square 7 7 fixed
  # Down from below the first letter, put with Shift+Enter; the lower letter
  # is taken back with Delete, into its own slot, and typed again.
  key slash Left Left Left Down 4 5
  wait_for_square 7 9 loose
  key Up Delete
  wait_for_square 7 9 empty
  key 5 shift+Return
  wait_for_square 7 9 fixed
  # A letter change answered by typing the letter, then across from the
  # second word's last letter.
  key ctrl+1
  wait_for_window '^Choose letter$'
  key e
  wait_until "the letter choice to close" lacks_window '^Choose letter$'
  key slash Up Right 1 2 Return
  wait_for_square 9 9 fixed

  local saved="$WORK/saves/keys.gmg"
  key s
  fill_save_dialog "$saved"
  local squares letters
  squares=$(board_letters "$saved" | awk -F: '$3 == "FALSE" { printf "%s ", $1 }')
  expect_equal "fixed squares" "$squares" "112 113 114 127 142 143 144 "
  expect_equal "loose letters" "$(board_letters "$saved" | grep -c ':TRUE$')" 0
  letters=$(board_letters "$saved" | awk -F: '{ printf "%s", $2 }')
  expect_equal "score of the three words" "$(file_value "$saved" GlyphmasonGame Score)" \
    "$(placed_score "$WORK/Glyphmason/GlyphmasonDictionaries/English.gmd" "$letters" 3 2 2)"
  expect_equal "letter changes left" \
    "$(file_value "$saved" GlyphmasonGame LetterChangesCount)" 10
  close_by_keys_and_expect_exit game
}

# The game in German: started with LANGUAGE=de, a word typed and put, the
# letter choice opened and closed, and the game saved with S through Qt's
# save dialog, all in German. Started again
# in English, the last game loaded with Ctrl+Z and saved again is the very
# same file: the language changes no file.
scenario_language() {
  export LANGUAGE=de LANG=de_DE.UTF-8
  start_game_untouched game-de
  export LANG=C.UTF-8
  unset LANGUAGE
  key ctrl+n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
  key 1 2 3 Return
  wait_for_square 9 7 fixed
  # The game's own windows speak German too: the letter choice's title.
  key ctrl+1
  wait_for_window '^Buchstabenwahl$'
  key Escape
  wait_until "the letter choice to close" lacks_window '^Buchstabenwahl$'
  local german="$WORK/saves/german.gmg" english="$WORK/saves/english.gmg"
  key s
  fill_save_dialog "$german" '^Speichern unter$'
  close_by_keys_and_expect_exit game-de

  start_game_untouched game-en
  key ctrl+z
  wait_for_square 9 7 fixed
  key s
  fill_save_dialog "$english"
  cmp "$german" "$english" || fail "the game saved in German differs from the English save"
  close_by_keys_and_expect_exit game-en
}

# --- Screen reader -----------------------------------------------------------------

# A session bus of the run's own with the desktop's accessibility bus on it,
# and the toolkit's accessibility switched on for the program started next.
start_accessibility_bus() {
  local launcher=/usr/libexec/at-spi-bus-launcher
  if [ ! -x "$launcher" ] || ! command -v dbus-daemon >/dev/null ||
    ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "at-spi2-core, dbus or python3-pyatspi is missing: the scenario is skipped."
    exit $SKIP
  fi
  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>"$WORK/dbus.err") ||
    fail "the session bus did not start: $(cat "$WORK/dbus.err")"
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 <<<"$bus")
  STARTED_PIDS+=("$(sed -n 2p <<<"$bus")")
  start_program accessibility-bus "$launcher" --launch-immediately
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  unset NO_AT_BRIDGE
}

# ask_reader QUESTION...: what the accessibility client reads from the game.
ask_reader() { /usr/bin/python3 "$E2E_FOLDER/ReadAccessible.py" "$@"; }

# A screen reader's view of a game: the board is a 15 x 15 table whose
# current cell follows the cursor; a word typed with keys is read back from
# its cells, the refilled stock buttons and the score label.
scenario_screen_reader() {
  start_accessibility_bus
  start_game game
  key ctrl+n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
  expect_equal "board table" "$(ask_reader board)" "15 15"
  ask_reader tree >"$WORK/tree.txt" || fail "the tree could not be read"
  log "tree: $(grep -c . "$WORK/tree.txt") objects"
  # The cursor is the table's current cell: each move is a focus event.
  start_program focus-listener /usr/bin/python3 "$E2E_FOLDER/ReadAccessible.py" focus 4
  local listener=$STARTED_PID
  wait_until "the focus listener" grep -q listening "$WORK/focus-listener.out"
  key Down Up
  wait_for_exit "$listener" "the focus listener"
  grep -qx 'H9, empty' "$WORK/focus-listener.out" && grep -qx 'H8, empty' "$WORK/focus-listener.out" ||
    fail "the reader should hear H9 and H8, heard: $(tr '\n' '|' <"$WORK/focus-listener.out")"
  key 1 2 Return
  wait_for_square 8 7 fixed
  local row
  row=$(ask_reader row 8 | sed -n 8,10p | tr '\n' '|')
  [[ $row =~ ^H8,\ ([^,]),\ fixed\|I8,\ ([^,]),\ fixed\|J8,\ empty\|$ ]] ||
    fail "row 8 should read two fixed letters from H8, found: $row"
  local word=${BASH_REMATCH[1]}${BASH_REMATCH[2]}
  local stock
  stock=$(ask_reader stock | tr '\n' '|')
  [[ $stock =~ ^(([1-7]):\ [^,],\ [0-9]+\ points?\|){7}$ ]] ||
    fail "the stock buttons should name seven letters, found: $stock"
  expect_equal "score label" "$(ask_reader label Score)" \
    "Score $(placed_score "$WORK/Glyphmason/GlyphmasonDictionaries/English.gmd" "$word" 2)"
}

# --- Orca's speech -----------------------------------------------------------------

# What Orca says is read from its debug log, where every utterance is a line
# "HH:MM:SS.micro - SPEECH OUTPUT: 'text'" followed by the voice's name and
# settings ("{...}" or "None"); a typed key is spoken as its name ("tab ").
# A mark sets where the next expectation starts reading.
ORCA_LOG=
SPEECH_MARK=0
# How long an expectation waits for Orca, which speaks after the event queue
# of a loaded machine has caught up.
readonly SPEECH_WAIT_SECONDS=${GLYPHMASON_E2E_SPEECH_WAIT:-30}

# Every utterance so far, one a line, without the log's decoration.
spoken_lines() {
  grep -a "SPEECH OUTPUT: '" "$ORCA_LOG" 2>/dev/null |
    sed -E -e 's/\r$//' -e "s/^.*SPEECH OUTPUT: '//" -e "s/'( voice=[^{]*)? ?(\{.*\}|None)?$//" ||
    true
}

spoken_since_mark() { spoken_lines | tail -n +$((SPEECH_MARK + 1)); }

mark_speech() { SPEECH_MARK=$(spoken_lines | wc -l); }

# expect_spoken REGEX [SECONDS]: waits until an utterance after the mark
# matches the extended regular expression; logs it, and moves the mark past
# it so that the next expectation reads what came after. On failure the
# utterances since the mark are shown.
expect_spoken() {
  local pattern=$1 seconds=${2:-$SPEECH_WAIT_SECONDS}
  local deadline=$((SECONDS + seconds)) found
  while :; do
    found=$(spoken_since_mark | grep -n -E -m 1 -- "$pattern" || true)
    if [ -n "$found" ]; then
      log "Orca said: '${found#*:}'"
      SPEECH_MARK=$((SPEECH_MARK + ${found%%:*}))
      return 0
    fi
    is_running "$ORCA_PID" || fail "Orca ended while '$pattern' was awaited"
    [ $SECONDS -lt $deadline ] || break
    sleep 0.3
  done
  log "Orca said since the mark:"
  spoken_since_mark | tail -n 40 | sed 's/^/    /'
  fail "Orca did not say anything matching '$pattern' within $seconds seconds"
}

# Orca on the run's own session and accessibility bus, with a fresh home (so
# default settings), logging to $WORK/orca.log. Only one Orca runs per user:
# the run has a process namespace of its own (see the top), where no other
# one can be.
start_orca() {
  command -v orca >/dev/null || { echo "orca is missing: the scenario is skipped."; exit $SKIP; }
  start_accessibility_bus
  # Without a sound device speech-dispatcher gives up, and Orca's speech
  # output is off: it still makes every utterance and logs it (only its own
  # messages, such as "Screen reader on", are left out). Orca buffers its
  # debug file unless that is a terminal, so it writes to the terminal that
  # script(1) gives it, and script copies each line to the log at once.
  pgrep -u "$(id -u)" -x orca >/dev/null && fail "another Orca runs for this user in this namespace"
  ORCA_LOG=$WORK/orca.log
  start_program orca script --quiet --flush --command \
    "exec orca --disable speech --debug-file=/dev/tty" "$ORCA_LOG"
  ORCA_PID=$STARTED_PID
  wait_until "Orca to start" grep -q -s -a 'ORCA: Startup complete' "$ORCA_LOG"
}

# Orca follows the game from start to end: the Menu panel's buttons are
# spoken as Tab reaches them, the board as a new game begins, and the
# "Game over" window when the game is ended.
# One turn without looking, each step checked by what Orca says: letters
# put, the cursor moved and turned, the state read, a commit, a refused
# commit, a suggestion and its commit, a letter change undone and redone,
# and the stock reached with Tab.
play_a_turn_by_ear() {
  local letter='(notification )?[A-Z] on '
  mark_speech
  key 1
  expect_spoken "^${letter}H8"
  key 2
  expect_spoken "^${letter}I8"
  key 3
  expect_spoken "^${letter}J8"
  # Up and down say the new square alone, not its whole row.
  mark_speech
  key Down
  expect_spoken '^K9, empty'
  sleep 1
  ! spoken_since_mark | grep -q -E '^[A-J]9,' || fail "Orca read the row: $(spoken_since_mark)"
  key Up
  expect_spoken '^K8, empty'
  key slash
  expect_spoken '^(notification )?Down'
  key slash
  expect_spoken '^(notification )?Right'
  key r
  expect_spoken 'Score 0\. Letter changes left: 11\. Cursor on K8, moving right'
  key Return
  expect_spoken '^(notification )?[A-Z]+ for [0-9]+ points?\. Score [1-9][0-9]*\. New letters: 1 '
  key Return
  expect_spoken '^(notification )?No loose letters on the board'
  key h
  expect_spoken '^(notification )?Suggested [A-Z]+ from [A-Z]+[0-9]+ (right|down|left|up)\. (Shift\+)?Enter puts'
  local key_of_word
  key_of_word=$(spoken_lines | grep -E -o '(Shift\+)?Enter puts' | tail -n 1)
  if [ "$key_of_word" = "Enter puts" ]; then key Return; else key shift+Return; fi
  expect_spoken '^(notification )?[A-Z]+ for [0-9]+ points?\. Score '
  # A letter change: the choice names the slot, and the new letters follow.
  key ctrl+1
  wait_for_window '^Choose letter$'
  expect_spoken 'Replace [A-Z] in slot 1'
  key e
  wait_until "the letter choice to close" lacks_window '^Choose letter$'
  expect_spoken '^(notification )?New letters: 1 E, '
  # The change taken back and made again: the same E comes back.
  key alt+BackSpace
  expect_spoken '^(notification )?Move taken back\. Your letters: 1 [A-Z], '
  key shift+alt+BackSpace
  expect_spoken '^(notification )?Move played again\. Your letters: 1 E, '
  # The stock is the Tab stop after the board; Enter there puts the letter.
  key Tab
  expect_spoken '^1: E, [0-9]+ points?'
  key Right
  expect_spoken '^2: ([A-Z], [0-9]+ points?|empty)'
  key Left Return
  expect_spoken "^${letter}[A-Z]+[0-9]+"
}

scenario_screen_reader_speech() {
  [ "$WINDOW_MANAGER" = openbox ] || fail "this scenario runs under openbox only"
  start_orca
  mark_speech
  start_game game
  expect_spoken '^Glyphmason frame'
  # The first button has the focus as the window opens; Tab walks the rest.
  expect_spoken '^Menu panel'
  expect_spoken '^Work push button'
  rest_pointer
  local button
  for button in Help About Hide Close; do
    mark_speech
    key Tab
    expect_spoken "^$button push button"
  done
  mark_speech
  key ctrl+n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
  expect_spoken '^Board\.$'
  expect_spoken '^table with 15 rows 15 columns'
  expect_spoken '^(notification )?Your letters: 1 [A-Z], 2 [A-Z], .*7 [A-Z]'
  play_a_turn_by_ear
  mark_speech
  key ctrl+End
  wait_for_window '^Query$'
  expect_spoken '^End this game\?'
  key y
  wait_for_window '^Game over$'
  expect_spoken '^Game over'
  key Return
  wait_until "the summary to close" lacks_window '^Game over$'
  # The game played is not saved.
  press_close
  answer_save_question n
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  check_output game
}

# --- Drags that end without a drop ---------------------------------------------

# A drag begun on the first stock slot and held over the empty square (3, 3).
begin_stock_drag() {
  xdotool mousemove "$(stock_x 0)" "$(stock_y)" sleep 0.2 mousedown 1 sleep 0.3 \
    mousemove "$(square_x 3)" "$(square_y 3)" sleep 0.3
}

# The drag has ended: the letter is still in its slot, and a click on the
# empty square places nothing there.
expect_drag_ended() {
  sleep 0.5
  stock_has_letter 0 || fail "$1: the letter left its stock slot"
  square_is 3 3 empty || fail "$1: the letter was dropped"
  click_at "$(square_x 3)" "$(square_y 3)"
  sleep 0.5
  square_is 3 3 empty || fail "$1: a later click on an empty square dropped the letter"
  stock_has_letter 0 || fail "$1: a later click took the letter from its slot"
}

# A drag released outside the window or over a control that takes no
# letters, a drag during which Space hides the program, and one during which
# another window takes the focus: each ends with the letter in its slot.
scenario_stuck_drag() {
  start_game game
  local GAME_WINDOW=$WINDOW
  new_game

  begin_stock_drag
  xdotool mousemove 5 5 sleep 0.3 mouseup 1
  expect_drag_ended "released outside the window"

  begin_stock_drag
  xdotool mousemove $((WX + 100)) $((WY + 90)) sleep 0.3 mouseup 1
  expect_drag_ended "released on the dictionary's name"

  begin_stock_drag
  key space
  if [ -n "$WINDOW_MANAGER" ]; then
    wait_until "the window to be minimised" is_minimised
    xdotool mouseup 1
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowmap "$WINDOW"
    wait_until "the window to come back" has_window '^Glyphmason'
    use_game_window "$WINDOW"
  else
    xdotool mouseup 1
  fi
  expect_drag_ended "Space hid the program"

  start_program elsewhere xmessage -geometry +0+0 "another program"
  local other_pid=$STARTED_PID
  wait_for_window '^xmessage$'
  local other=$WINDOW
  WINDOW=$GAME_WINDOW
  begin_stock_drag
  if [ -n "$WINDOW_MANAGER" ]; then
    xdotool windowactivate "$other"
  else
    xdotool windowfocus "$other"
  fi
  sleep 0.5
  xdotool mouseup 1
  expect_drag_ended "another window took the focus"
  kill "$other_pid" 2>/dev/null || true

  drag_stock_to_square 0 3 3
  wait_for_square 3 3 loose
  press_close
  answer_save_question n
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  check_output game
}

# A signal (a test timeout, a broken pipe) ends the run through the same
# cleanup as a normal end, so no server or program is left behind.
trap cleanup EXIT
trap 'exit 1' HUP INT PIPE TERM
# --- The end of a game -----------------------------------------------------------

# A dictionary whose only word is AB, where A is never drawn.
write_tiny_dictionary() {
  local folder="$WORK/Glyphmason/GlyphmasonDictionaries" letters=ABCDEFGHIJKLM i
  {
    printf '[Main]\r\nWordsListName=Tiny\r\nFontName=Tahoma\r\n\r\n[Alphabet]\r\n'
    for ((i = 0; i < ${#letters}; i++)); do
      printf 'Char%d=%s\r\nProb%d=%d\r\n' $i "${letters:i:1}" $i $((i == 0 ? 0 : 100))
    done
    printf '\r\n[LengthScores]\r\n1=0\r\n2=1\r\n'
  } >"$folder/Tiny.gmd"
  printf 'AB\r\n' >"$folder/Tiny.txt"
}

# A 10 x 10 game with the Tiny dictionary, no letter change left and a B in
# the first stock slot; the A at the left edge has a C above and below it, so
# once a B is laid right of it nothing more can be made.
write_last_game() {
  local game="$WORK/saves/last.gmg" k letter
  {
    printf '[GlyphmasonGame]\r\nColumnsCount=10\r\nRowsCount=10\r\n'
    printf 'LastDictionaryName=Tiny.gmd\r\nLetterChangesCount=0\r\nScore=0\r\n\r\n'
    printf '[StockLetters]\r\n1=B\r\n2=C\r\n3=D\r\n4=E\r\n5=F\r\n6=G\r\n7=H\r\n\r\n[Map]\r\n'
    for ((k = 0; k < 100; k++)); do
      case $k in
        50) letter=A ;;
        40 | 60) letter=C ;;
        *) letter= ;;
      esac
      printf 'L%d=%s\r\nS%d=FALSE\r\n' $k "$letter" $k
    done
  } >"$game"
  printf '[GlyphmasonGame]\r\nLastGameTitle=%s\r\n' "$game" >"$WORK/Glyphmason/Glyphmason.ini"
}

# The last word of a game ends it: the "Game over" window comes up and the
# records file holds the game. A second game is ended with Ctrl+End; without
# a word it stays out of the records.
scenario_game_end() {
  BOARD_SIZE=10
  write_tiny_dictionary
  write_last_game
  # A records file an editor saved again as UTF-16: the game cannot read it,
  # and must keep it rather than write over it.
  local records="$WORK/Glyphmason/GlyphmasonRecords.ini" kept="$WORK/old-records.ini"
  printf '[GlyphmasonRecords]\r\nTablesCount=1\r\nTable1=Tiny.gmd 10 x 10\r\n\r\n[Tiny.gmd 10 x 10]\r\n1=9|1|100|0|9|Monday|AB\r\n' |
    iconv -f WINDOWS-1252 -t UTF-16 >"$kept"
  cp "$kept" "$records"
  start_game game
  key ctrl+z
  wait_until "the last game" board_is_shown
  drag_stock_to_square 0 1 5
  wait_for_square 1 5 loose
  press_put_word
  wait_for_window '^Game over$'
  sleep 0.5
  import -display ":$DISPLAY_NUMBER" -window root "$ARTIFACTS/$RUN_NAME-summary.png" 2>/dev/null || true
  wait_until "the records file" test -s "$records"
  cmp -s "$kept" "$WORK/Glyphmason/GlyphmasonRecords-unreadable-1.ini" ||
    fail "the unreadable records file was not kept: $(ls "$WORK/Glyphmason")"
  expect_equal "records of the table" "$(file_value "$records" GlyphmasonRecords Table1)" "Tiny.gmd 10 x 10"
  [[ $(file_value "$records" "Tiny.gmd 10 x 10" 1) =~ ^[1-9][0-9]*\|1\|100\|0\|[1-9][0-9]*\|.+\|AB$ ]] ||
    fail "the record reads '$(file_value "$records" "Tiny.gmd 10 x 10" 1)'"
  key Escape
  wait_until "the summary to close" lacks_window '^Game over$'

  use_game_window "$(find_window '^Glyphmason')"
  rest_pointer
  key ctrl+n
  answer_save_question n
  wait_until "a new board with a full stock" eval 'board_is_shown && stock_is_full'
  rest_pointer
  key ctrl+End
  wait_for_window '^Query$'
  sleep 0.3
  key y
  wait_for_window '^Game over$'
  sleep 0.3
  key Return
  wait_until "the summary to close" lacks_window '^Game over$'
  [ "$(grep -c "^[0-9]*=" "$records")" -eq 1 ] || fail "the records changed: $(cat "$records")"
  close_game_and_expect_exit game
}

# The dark runs (the board's lines) along one row of the screen, between
# two columns: on a sharp board one run for each line, however the screen
# is scaled.
dark_runs_along_row() {
  import -window root -crop "$(($3 - $2))x1+$2+$1" -depth 8 txt:- 2>/dev/null |
    awk 'NR > 1 { dark = ($3 ~ /^#[0-3]/); if (dark && !was) runs++; was = dark }
         END { print runs + 0 }'
}

# A scaled screen: the window with its frame inside the screen, and each of
# the board's lines one sharp line. The scale and the screen come from the
# scenario's name.
scenario_scaled() {
  local frame
  start_game game
  rest_pointer
  read -r -a frame <<<"$(outer_bounds)"
  local screen_width=${SCREEN_SIZE%x*} screen_height=${SCREEN_SIZE#*x}
  [ "${frame[0]}" -ge 0 ] && [ "${frame[1]}" -ge 0 ] &&
    [ $((frame[0] + frame[2])) -le "$screen_width" ] &&
    [ $((frame[1] + frame[3])) -le "$screen_height" ] ||
    fail "the window with its frame (${frame[*]}) leaves the $SCREEN_SIZE screen"
  key ctrl+n
  # The board's paint area at the window's scale: right of the left panels.
  local scale_percent=$SCALE_PERCENT
  local left=$((WX + 345 * scale_percent / 100 + 2)) right=$((WX + WW - 12 * scale_percent / 100))
  local middle_of_first_row=$((WY + 24 * scale_percent / 100 + (WH - 30 * scale_percent / 100) / 30))
  wait_until "the board" eval '[ "$(dark_runs_along_row $middle_of_first_row $left $right)" -ge 15 ]'
  sleep 0.5
  import -window root "$ARTIFACTS/$RUN_NAME-screen.png" 2>/dev/null || true
  local runs
  runs=$(dark_runs_along_row "$middle_of_first_row" "$left" "$right")
  # The board's left edge may lie left of the scanned stretch: 15 or 16.
  [ "$runs" -ge 15 ] && [ "$runs" -le 16 ] ||
    fail "a row of the 15 x 15 board crosses $runs dark runs, not one for each line"
  # The Close button, at the window's scale.
  click_at $((WX + (5 + 190 + 20) * scale_percent / 100)) $((WY + (5 + 5 + 12) * scale_percent / 100))
  wait_for_exit "$GAME_PID" "the game"
  expect_equal "exit code of the game" "$EXIT_CODE" 0
  check_output game
}

case $SCENARIO in
  scaled-150) SCREEN_SIZE=1280x1024 SCALE_PERCENT=150 ;;
  scaled-200) SCREEN_SIZE=1920x1080 SCALE_PERCENT=200 ;;
esac
if [ -n "${SCALE_PERCENT:-}" ]; then
  export QT_SCALE_FACTOR=$((SCALE_PERCENT / 100)).$((SCALE_PERCENT % 100))
fi

require_tools
prepare_work_folder
start_x_server
start_window_manager
case $SCENARIO in
  play) scenario_play ;;
  moves) scenario_moves ;;
  close) scenario_close ;;
  second-instance) scenario_second_instance ;;
  install) scenario_install ;;
  window) scenario_window ;;
  captions) scenario_captions ;;
  uninstall-copy) scenario_uninstall_copy ;;
  folder-game) scenario_folder_game ;;
  suggest) scenario_suggest ;;
  squatted-instance) scenario_squatted_instance ;;
  second-start-shows) scenario_second_start_shows ;;
  keys) scenario_keys ;;
  language) scenario_language ;;
  screen-reader) scenario_screen_reader ;;
  screen-reader-speech) scenario_screen_reader_speech ;;
  stuck-drag) scenario_stuck_drag ;;
  game-end) scenario_game_end ;;
  scaled-150 | scaled-200) scenario_scaled ;;
  *) echo "unknown scenario: $SCENARIO" >&2; exit 2 ;;
esac
log "passed"
