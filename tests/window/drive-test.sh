#!/usr/bin/env bash
# The real program driven as a user drives it, on a virtual X display with keys, clicks and a
# drag, no test doubles: a search, a solution picked from the list, the battery dragged with
# Ctrl to a new place while the file and help keys must wait, put down with a slipping click,
# the move undone and redone, the side view in the enlarged view, the planning sheet printed into
# its preview; the plan saved through the file dialog, saved again into its file without one,
# reset, kept by cancelling the question before opening, replaced by the saved plan in one
# undoable step; the list and the enlarged view driven by the number block with NumLock on
# and off; and the window closed with its question, after which the program (preview
# included) has ended.
#   drive-test.sh <program directory>
set -euo pipefail
bin=$(cd "$1" && pwd)
if [[ -z ${VELMORA_DRIVE_DISPLAY:-} ]]; then
  # A session bus of its own, as on a desktop: without one, the first label forks the
  # program to look for a bus launcher, which can hang under the address sanitizer.
  exec env VELMORA_DRIVE_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
LC_ALL=de_DE.UTF-8 "$bin/velmora" >"$home/velmora.log" 2>&1 &
pid=$!

fail() { echo "drive: $*"; cat "$home/velmora.log"; exit 1; }
# Without its window the program has either ended or stopped somewhere: say which, and where.
no_window() {
  echo "drive: no window; shown: $(xdotool search --onlyvisible --name . 2>/dev/null |
    while read -r w; do xdotool getwindowname "$w"; done | tr "\n" "|")"
  if kill -0 "$pid" 2>/dev/null; then
    for task in /proc/"$pid"/task/*; do
      echo "thread $(cat "$task/comm"): state $(sed 's/.*) //' "$task/stat" | cut -d' ' -f1), waits in $(cat "$task/wchan")"
    done
    ! command -v gdb >/dev/null || gdb -p "$pid" -batch -ex "thread apply all bt 20" 2>&1 |
      sed -n 's/^\(Thread [0-9]*\).*"\(.*\)").*/\1 \2/p; s/^#[0-9]* .* in \([^ ]*\) (.*/  \1/p'
  else
    local status=0
    wait "$pid" || status=$?
    echo "the program ended with status $status"
  fi || true
  fail "no window"
}
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1) || no_window
# Coordinates inside the fixed 978 x 732 window.
at() { xdotool mousemove --window "$window" "$@"; }
pixel() {
  import -window "$window" "$home/shot.png"
  convert "$home/shot.png" -format "%[pixel:p{$1,$2}]" info:
}
windows() { xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done | sort | tr "\n" "|"; }
settle() { sleep "${1:-0.5}"; }
# VELMORA_DRIVE_SHOTS=<folder> keeps a picture of the screen after each step.
shot() { [[ -z ${VELMORA_DRIVE_SHOTS:-} ]] || import -window root "$VELMORA_DRIVE_SHOTS/$1.png"; }

settle 1                                  # the first paint
xdotool windowfocus --sync "$window"
at 893 130 click 1; settle 1              # "Lösungen"
shot 1-solutions
at 60 293 click 1; settle                 # the third solution, a battery in the top-left corner
shot 2-chosen
battery_before=$(pixel 428 439)
shown=$(windows)

[[ $(xdotool getwindowname "$window") == "Velmora*" ]] || fail "the caption does not mark the unsaved plan"

# Ctrl, press on the battery and drag: the drag picks it up; the pointer carries it.
at 428 439; xdotool keydown ctrl mousedown 1; settle 0.2
at 450 460; settle 0.1; at 470 480; xdotool mouseup 1 keyup ctrl; settle 0.2
at 430 520; settle 0.2; at 430 560; settle 0.3
shot 3-carried
xdotool key ctrl+o; settle; xdotool key F1; settle
shot 4-keys-waited
now=$(windows); [[ $now == "$shown" ]] || fail "a command ran while the battery was carried: $shown -> $now"
# A click that slips a few pixels puts it down.
xdotool mousedown 1; settle 0.1; at 442 565; xdotool mouseup 1; settle
shot 5-put-down
battery_moved=$(pixel 428 439)
[[ $battery_moved != "$battery_before" ]] || fail "the battery did not move"
# Undo puts the battery back, redo moves it again.
xdotool key ctrl+z; settle
shot 5a-undone
[[ $(pixel 428 439) == "$battery_before" ]] || fail "undo did not put the battery back"
xdotool key ctrl+y; settle
[[ $(pixel 428 439) == "$battery_moved" ]] || fail "redo did not move the battery again"

# The enlarged view (a click on the plan) switched to the side view and closed again.
at 760 560 click 1; settle
plan_view=$(pixel 650 417)
at 846 698 click 1; settle
shot 5b-side-view
[[ $(pixel 650 417) != "$plan_view" ]] || fail "the enlarged view did not switch to the side view"
at 936 698 click 1; settle

xdotool key ctrl+p; settle 1; xdotool key Return; settle 2   # project name: as suggested
preview=$(timeout 10 xdotool search --sync --onlyvisible --name '^Druck Velmora$' | head -1) ||
  fail "no preview"
shot 6-preview
# Out of the way: the plan's pixels are read from the screen.
xdotool windowmove "$preview" 1000 0; settle

caption() { xdotool getwindowname "$window"; }
dialog() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Types a file name into the file dialog's focused name field and accepts it.
choose_file() {
  dialog "$1" >/dev/null || fail "no dialog \"$1\""
  settle; xdotool key ctrl+a; xdotool type --delay 20 "$2"; xdotool key Return; settle 1
  # Without a window manager the preview, not the main window, would get the focus back.
  xdotool windowfocus --sync "$window"
}

# A new plan: Ctrl+S asks for its file.
xdotool windowfocus --sync "$window"
xdotool key ctrl+s
choose_file "Plan speichern" "$home/keller.velmora"
[[ -f $home/keller.velmora ]] || fail "Ctrl+S wrote no file"
[[ $(caption) == "Velmora – keller.velmora" ]] || fail "caption after saving: $(caption)"
# A changed plan with a file: Ctrl+S writes into it, without a dialog.
xdotool key ctrl+z; settle
[[ $(caption) == "Velmora – keller.velmora*" ]] || fail "an undone move is no change: $(caption)"
saved=$(md5sum <"$home/keller.velmora")
xdotool key ctrl+s; settle 1
[[ $(windows) == "$(windows | sed 's/Plan speichern|//')" ]] || fail "Ctrl+S asked for a file again"
[[ $(caption) == "Velmora – keller.velmora" ]] || fail "caption after Ctrl+S: $(caption)"
[[ $(md5sum <"$home/keller.velmora") != "$saved" ]] || fail "Ctrl+S did not write the file"

# "Werte löschen" is a step: the plan stays marked unsaved.
at 893 166 click 1; settle
shot 7-reset
[[ $(caption) == "Velmora*" ]] || fail "the reset plan is not marked unsaved: $(caption)"
start_panel=$(pixel 60 293)
# Opening over unsaved work asks first; Escape cancels and keeps it.
xdotool key ctrl+o
dialog Warnung >/dev/null || fail "opening over unsaved work did not ask: $(windows)"
shot 8-unsaved-question
xdotool key Escape; settle
xdotool windowfocus --sync "$window"
[[ $(windows) != *"Plan öffnen"* && $(caption) == "Velmora*" ]] || fail "Abbrechen opened a plan"
# "Verwerfen" (Alt+V), then the saved plan opens as one step.
xdotool key ctrl+o
dialog Warnung >/dev/null || fail "no question before opening"
xdotool key alt+v
choose_file "Plan öffnen" "$home/keller.velmora"
[[ $(caption) == "Velmora – keller.velmora" ]] || fail "caption after opening: $(caption)"
[[ $(pixel 428 439) == "$battery_before" ]] || fail "the opened plan shows another battery"
shot 9-opened
xdotool key ctrl+z; settle
shot 10-opening-undone
[[ $(pixel 60 293) == "$start_panel" && $(caption) == "Velmora*" ]] ||
  fail "one undo after opening did not bring back the plan before it: $(caption)"
xdotool key ctrl+y; settle
[[ $(caption) == "Velmora – keller.velmora" ]] || fail "redo did not open the plan again"

# The number-block keys, NumLock on and off: the list's rows, the enlarged view.
chosen_row=$(pixel 20 292); next_row=$(pixel 20 306)
xdotool key KP_2; settle
[[ $(pixel 20 306) == "$chosen_row" && $(pixel 20 292) == "$next_row" ]] ||
  fail "number block 2 did not select the next row"
xdotool key Num_Lock KP_8 Num_Lock; settle
[[ $(pixel 20 292) == "$chosen_row" ]] || fail "number block 8 (NumLock off) did not go back"
inputs=$(pixel 60 150)
xdotool key KP_Add; settle
shot 11-number-block-plus
[[ $(pixel 60 150) != "$inputs" ]] || fail "number block + did not open the enlarged view"
xdotool key Num_Lock KP_Subtract Num_Lock; settle
[[ $(pixel 60 150) == "$inputs" ]] || fail "number block - did not close the enlarged view"
xdotool key ctrl+s; settle 1

# A saved plan gets the plain close question, and Enter answers "Ja".
xdotool key ctrl+q; settle 1; xdotool key Return
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  settle 0.2
done
! kill -0 "$pid" 2>/dev/null || fail "the program still runs after its window was closed"
wait "$pid" || fail "the program ended with status $?"
echo "drive: searched, dragged, undone, redone, side view shown, printed, saved, reset, opened, number block used and closed"
