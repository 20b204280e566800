#!/bin/bash
# A game file whose picture-pair file is cut short, chosen in the launcher:
# the launcher hands its path over in vst.dat, the game tells the player in a
# German message box ("Fehler") that it cannot use the game file, and ends
# with exit code 0 once the box is closed.
# Usage: damaged_game_file.sh DIST_DIR QXTOOL
E2E_RUN=damaged_game_file
. "$(dirname "$0")/common.sh"

make_installation
printf 'Kaputt\0Die Bilder fehlen\0' > kaputt.vst
# Two pairs announced, the first record claims 5000 JPEG bytes and has 64.
{
  printf '\002\000\377\377\377\377\210\023\000\000\352\001\256\001'
  head -c 64 /dev/zero
} > kaputt.vst.qxs
"$QXTOOL" check kaputt.vst > /dev/null 2>&1 && fail "qxtool hält die beschädigte Spieldatei für gut."
# The list holds the damaged file and has it selected (combo item 1).
printf '\001\001%s\000' "$WORK/kaputt.vst" > vsts.dat

start_launcher
start_from_launcher
[ "$(cat vst.dat)" = "$WORK/kaputt.vst" ] || fail "vst.dat nennt nicht die gewählte Spieldatei: $(od -c vst.dat | head -3)"

wait_until 60 window_named "Fehler" || fail "Das Spiel zeigt keine Meldung \"Fehler\"."
box=$(window_id "Fehler")
game_ended && fail "Das Spiel endet, bevor die Meldung geschlossen ist."
wait_until 5 screen_settled
shot message
for _ in 1 2 3; do
  xdotool windowfocus --sync "$box" key Return 2> /dev/null
  wait_until 5 game_ended && break
done
expect_game_exit_zero
[ -e kaputt.vst.qxh ] && fail "Das Spiel legt für die beschädigte Spieldatei eine Highscore-Datei an."
echo "Ende-zu-Ende-Lauf mit beschädigter Spieldatei erfolgreich"
