#!/bin/bash
# The menu cursor starts where the player left the pointer: with the pointer
# on "Beenden" before the game starts, a key that skips the intro and one
# click without moving the mouse end the game with exit code 0.
# Usage: menu_start_cursor.sh DIST_DIR QXTOOL
set -u
E2E_DIST=$1
QXTOOL=$2
E2E_RUN=menu_start_cursor
. "$(dirname "$0")/common.sh"

make_installation
"$QXTOOL" extract data/igdata.qxs "$SCRATCH/ig" > /dev/null || fail "qxtool extract igdata.qxs"
MENU_BACKGROUND=$SCRATCH/ig/pair002_1.jpg  # image slot 27, the third built-in picture
printf '\377' > vst.dat  # the built-in game file

# "Beenden" spans (346, 503)-(714, 570) of the menu; the desktop is the
# game's 1024 x 768, so the pointer lands there unscaled. The X server puts
# the pointer back in the middle when its last program disconnects, so this
# xdotool stays connected until the game has started.
xdotool mousemove 530 537 sleep 20 &
HOLDER=$!
sleep 0.5
eval "$(xdotool getmouselocation --shell)"
[ "$X,$Y" = 530,537 ] || fail "Der Zeiger steht nicht auf \"Beenden\": $X,$Y"
./qxdata &
wait_until 60 game_started || fail "Das Spiel startet nicht."
sleep 0.5
shot intro
# A key pressed while the game is still busy starting can go astray; a
# second one in the menu does nothing.
for _ in 1 2 3; do
  xdotool key space
  wait_until 10 shows_menu && break
done
shows_menu || fail "Das Menü erscheint nicht nach dem Überspringen des Intros."
kill "$HOLDER" 2>/dev/null
shot menu
game_ended && fail "Das Spiel endet vor dem Klick."
press
wait_until 10 game_ended || fail "Der Klick auf \"Beenden\" an der Startposition des Zeigers beendet das Spiel nicht."
expect_game_exit_zero
echo "Ende-zu-Ende-Lauf mit dem Zeiger auf \"Beenden\" erfolgreich"
