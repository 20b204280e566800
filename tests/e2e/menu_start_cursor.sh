#!/bin/bash
# The menu cursor starts where the player left the pointer: with the pointer
# on "Beenden" before the game starts, a key that skips the intro and one
# click without moving the mouse end the game with exit code 0.
# Usage: menu_start_cursor.sh DIST_DIR QXTOOL
E2E_RUN=menu_start_cursor
. "$(dirname "$0")/common.sh"

make_installation
use_builtin_pictures
printf '\377' > vst.dat  # the built-in game file

# "Beenden" spans (346, 503)-(714, 570) of the menu; the desktop is the
# game's 1024 x 768, so the pointer lands there unscaled. The X server puts
# the pointer back in the middle when its last program disconnects, so this
# xdotool stays connected until the game has started.
xdotool mousemove 530 537 sleep 20 &
HOLDER=$!
pointer_on_beenden() { eval "$(xdotool getmouselocation --shell)"; [ "$X,$Y" = 530,537 ]; }
wait_until 10 pointer_on_beenden || fail "Der Zeiger steht nicht auf \"Beenden\": $X,$Y"
./qxdata &
wait_until 60 game_started || fail "Das Spiel startet nicht."
shot intro
skip_intro
kill "$HOLDER" 2>/dev/null
shot menu
game_ended && fail "Das Spiel endet vor dem Klick."
press
wait_until 10 game_ended || fail "Der Klick auf \"Beenden\" an der Startposition des Zeigers beendet das Spiel nicht."
expect_game_exit_zero
echo "Ende-zu-Ende-Lauf mit dem Zeiger auf \"Beenden\" erfolgreich"
