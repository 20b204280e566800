#!/bin/bash
# A game file made by hand, from the pictures to the high-score table: two
# pairs of generated pictures are loaded in the editor, their differences
# dragged in the difference editor, the game file built, added and started in
# the launcher, and one level played until the time is over: one wrong click
# (the points stay at 0), three differences found (300), three more wrong
# clicks (270). The name typed then lands in the game file's .qxh table, byte
# for byte, at the place those points earn.
# Usage: made_game_high_score.sh DIST_DIR QXTOOL
E2E_RUN=made_game_high_score
. "$(dirname "$0")/common.sh"

make_installation
use_builtin_pictures

# --- Pictures: five differences each, every one well inside its rectangle --
# Rectangles as x1 x2 y1 y2 in picture pixels; the shapes keep 10 pixels off
# their edges. Picture point (244, 215) lies in none of them.
RECTS_A=("30 110 30 110" "290 390 40 130" "50 150 240 340" "240 340 290 390" "390 470 170 270")
RECTS_B=("20 100 300 400" "150 230 20 100" "300 380 220 300" "400 480 30 110" "160 260 330 410")
mkdir -p bilder
convert -size 488x430 gradient:skyblue-khaki -fill darkgreen -draw "circle 244,215 244,150" \
  -fill sienna -draw "rectangle 180,20 230,70" -quality 90 bilder/a1.jpg
convert bilder/a1.jpg -fill red -draw "rectangle 40,40 100,100" -fill yellow -draw "circle 340,85 340,50" \
  -fill blue -draw "rectangle 60,250 140,330" -fill magenta -draw "rectangle 250,300 330,380" \
  -fill black -draw "rectangle 400,180 460,260" -quality 90 bilder/a2.jpg
convert -size 488x430 gradient:wheat-slategray -fill navy -draw "circle 244,215 244,165" \
  -fill gray -draw "rectangle 20,150 120,220" -quality 90 bilder/b1.jpg
convert bilder/b1.jpg -fill orange -draw "rectangle 30,310 90,390" -fill cyan -draw "rectangle 160,30 220,90" \
  -fill purple -draw "circle 340,260 340,230" -fill white -draw "rectangle 410,40 470,100" \
  -fill darkred -draw "rectangle 170,340 250,400" -quality 90 bilder/b2.jpg
[ "$(identify -format '%w %h' bilder/b2.jpg)" = "488 430" ] || fail "convert schreibt kein Bild von 488 x 430"

# --- Editor and difference editor ------------------------------------------

. "$(dirname "$0")/editor_dialogs.sh"

./editor > editor.log 2>&1 &
TOOL_PID=$!
main=$(wait_window '^Vistrel Spieldateneditor!$')
measure_dialog "$main"

# Drags the five rectangles in the difference editor and accepts them. The
# left picture starts at client pixel (10, 10); the choices "Fehler 1" to
# "Fehler 5" sit at dialog units (19|71|126|177|230, 292) of 1.5 x 1.625 pixels.
mark_differences() {  # LABEL rectangles...
  local label=$1 wizard n=0 x1 x2 y1 y2
  shift
  local choice_x=(28 106 189 265 345)
  click_dlu 400 150  # "Fehler editieren"
  wizard=$(wait_window '^Fehlerkoordinaten Editor$')
  for rect in "$@"; do
    read -r x1 x2 y1 y2 <<< "$rect"
    [ $n -gt 0 ] && xdotool mousemove --sync --window "$wizard" $((choice_x[n] + 6)) 480 click 1
    drag_rectangle "$wizard" $((x1 + 10)) $((y1 + 10)) $((x2 + 10)) $((y2 + 10))
    n=$((n + 1))
  done
  xdotool mousemove --sync --window "$wizard" 700 100
  shot "wizard_$label"
  xdotool windowfocus --sync "$wizard" key Return
  wait_until 30 window_gone "$wizard" || fail "Der Differenzeditor endet nicht mit Return."
  # The editor polls every 100 ms and reads on the third sighting of the flag.
  wait_until 30 test ! -e /dev/shm/WIZARD_DONE || fail "Der Editor holt die Rechtecke nicht ab."
}

click_dlu 40 19 8  # line 0 of the list
load_pictures "$WORK/bilder/a1.jpg" "$WORK/bilder/a2.jpg"
mark_differences paar1 "${RECTS_A[@]}"

click_dlu 40 19 8
xdotool key Down  # line 1
load_pictures "$WORK/bilder/b1.jpg" "$WORK/bilder/b2.jpg"
mark_differences paar2 "${RECTS_B[@]}"
shot editor

click_dlu 130 227  # "Spieldatei erstellen"
# Fair pictures, fairly marked: the save dialog comes without a question.
save_or_question() { xdotool search --name '^Speichern unter$|^Vistrel Spieldateneditor$' > /dev/null 2>&1; }
wait_until 60 save_or_question || fail "\"Spieldatei erstellen\" öffnet keinen Dialog."
xdotool search --name '^Vistrel Spieldateneditor$' > /dev/null 2>&1 &&
  fail "Der Editor findet die markierten Fehler unfair."
choose_file "$WORK/eigen.vst"
wait_window '^Spieldatei erstellen$' > /dev/null
xdotool type --delay 15 "Eigene Bilder"
xdotool key Return
close_message  # the success message
# Escape ends the editor at once, also right after a build.
xdotool windowfocus --sync "$main" key Escape
wait_until 30 window_gone "$main" || fail "Der Editor endet nach dem Erstellen nicht mit Escape."
wait "$TOOL_PID" || fail "Der Editor endet mit Code $?."
TOOL_PID=

"$QXTOOL" check eigen.vst > /dev/null || fail "qxtool lehnt die gebaute Spieldatei ab: $("$QXTOOL" check eigen.vst 2>&1)"
"$QXTOOL" extract eigen.vst "$SCRATCH/eigen" > /dev/null || fail "qxtool extract eigen.vst"
[ "$(rects_of "$SCRATCH/eigen/pair001_1.txt")" = "$(printf '%s\n' "${RECTS_A[@]}")" ] ||
  fail "Paar 1 hat nicht die gezogenen Rechtecke: $(rects_of "$SCRATCH/eigen/pair001_1.txt")"
[ "$(rects_of "$SCRATCH/eigen/pair002_1.txt")" = "$(printf '%s\n' "${RECTS_B[@]}")" ] ||
  fail "Paar 2 hat nicht die gezogenen Rechtecke: $(rects_of "$SCRATCH/eigen/pair002_1.txt")"
cmp -s "$SCRATCH/eigen/pair002_1.jpg" bilder/b1.jpg || fail "Paar 2 trägt nicht die Bytes von b1.jpg."

# --- High-score table before the game --------------------------------------

entry() {  # NAME POINTS LEVEL: 15 bytes, points big-endian
  printf '%-10s' "$1"
  printf "\\x$(printf %02x $((($2 >> 24) & 255)))\\x$(printf %02x $((($2 >> 16) & 255)))"
  printf "\\x$(printf %02x $((($2 >> 8) & 255)))\\x$(printf %02x $(($2 & 255)))\\x$(printf %02x "$3")"
}
table() {  # lines "NAME POINTS LEVEL"
  local name points level
  while read -r name points level; do entry "$name" "$points" "$level"; done
}
OLD_TABLE="ALT1 1000 10
ALT2 900 9
ALT3 800 8
ALT4 700 7
ALT5 600 6
ALT6 500 5
ALT7 400 4
ALT8 300 3
ALT9 200 2
ALT10 100 1"
table <<< "$OLD_TABLE" > eigen.vst.qxh
[ "$(stat -c %s eigen.vst.qxh)" = 150 ] || fail "Die vorbereitete Highscore-Datei hat nicht 150 Bytes."
# 270 points beat 200 (place 9): that entry moves down, the last one drops out.
EXPECTED_TABLE="$(head -8 <<< "$OLD_TABLE")
ANNA 270 1
ALT9 200 2"
# Pair 1 counts as played, so the level must show pair 2.
printf '\001\000' > eigen.vst.qxf

# --- Launcher ----------------------------------------------------------------

./vistrel > launcher.log 2>&1 &
TOOL_PID=$!
LAUNCHER_WID=$(wait_window '^Vistrel v1.0$')
# Tab order: start, combo, add.
xdotool key Tab Tab space
choose_file "$WORK/eigen.vst"
launcher_focused() { has_focus "$LAUNCHER_WID"; }
wait_until 15 launcher_focused || fail "Der Launcher bekommt den Fokus nicht zurück."
wait_until 5 screen_settled
shot launcher
# Focus is back on "hinzufügen", so Start is clicked.
start_from_launcher
[ "$(cat vst.dat)" = "$WORK/eigen.vst" ] || fail "vst.dat nennt nicht eigen.vst: $(od -c vst.dat | head -3)"
[ "$(od -An -tx1 -N2 vsts.dat | tr -d ' ')" = 0101 ] || fail "vsts.dat: $(od -An -tx1 vsts.dat | head -2)"

# --- Game --------------------------------------------------------------------

wait_until 60 game_started || fail "Das Spiel startet nicht."
skip_intro
take_menu_cursor
menu_click 540 284  # "Neues Spiel"
both_played() { [ "$(played_count eigen.vst.qxf)" = 2 ]; }
wait_until 30 both_played || fail "\"Neues Spiel\" wählt nicht das noch freie Paar 2."
wait_until 30 shows_picture bilder/b1.jpg || fail "Das Spiel zeigt nicht das Bildpaar 2 der eigenen Spieldatei."
shot play

# The pictures show uncovered and without a banner from the first searching
# frame on, so every click from here is judged.
wrong_click() { play_click 234 288; }  # picture point (244, 215)
wrong_click
find_difference left "${RECTS_B[0]}"
find_difference right "${RECTS_B[1]}"
find_difference left "${RECTS_B[2]}"
wrong_click
wrong_click
wrong_click
shot clicks

# 60 seconds less 40 for the misses: time over within about 20 seconds.
wait_until 90 outlined red "${RECTS_B[3]}" || fail "Die Zeit läuft nicht ab (keine roten Rahmen um die übrigen Fehler)."
outlined red "${RECTS_B[4]}" || fail "Der fünfte Fehler wird bei Zeitablauf nicht gezeigt."
outlined blue "${RECTS_B[0]}" || fail "Ein gefundener Fehler bleibt bei Zeitablauf nicht blau."
shot time_over
# "Klick fuer weiter" takes a click only after 250 frames.
press_until 60 hides_picture bilder/b1.jpg || fail "Der Klick nach Zeitablauf führt nicht zur Namenseingabe."
wait_until 5 screen_settled
shot name_entry
# The name entry holds one key per frame: type slowly.
xdotool key --delay 250 a n n a Return
wait_until 30 grep -q ANNA eigen.vst.qxh || fail "Der Name landet nicht in eigen.vst.qxh."
wait_until 15 screen_settled  # the table rises into view from the bottom
shot high_scores
expected=$(table <<< "$EXPECTED_TABLE" | od -An -tx1 -v)
actual=$(od -An -tx1 -v eigen.vst.qxh)
[ "$actual" = "$expected" ] || fail "eigen.vst.qxh weicht ab:
$(od -Ax -c eigen.vst.qxh)
erwartet:
$(table <<< "$EXPECTED_TABLE" | od -Ax -c)"

press  # table view -> menu
wait_until 30 shows_menu || fail "Ein Klick auf der Highscore-Tabelle führt nicht ins Menü."
xdotool key Escape
expect_game_exit_zero
echo "Ende-zu-Ende-Lauf von Editor, Differenzeditor, Launcher und Spiel erfolgreich"
