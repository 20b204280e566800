#!/usr/bin/env bash
# Drives the real editor on a virtual display the way a user would: loads a
# picture pair through the file dialog, builds a game file through the save
# and name dialogs, saves the project, closes with Escape, and checks the
# game file with qxtool. Usage: end_to_end.sh DIST_DIR QXTOOL
E2E_RUN=editor
# shellcheck source=../e2e/common.sh
. "$(dirname "$0")/../e2e/common.sh"
. "$(dirname "$0")/../e2e/editor_dialogs.sh"
work=$WORK
cd "$work" || exit 1

convert -size 488x430 gradient:red-blue bild1.jpg
convert -size 488x430 gradient:red-green bild2.jpg
# The program icon is looked up in data/icons of the working directory.
mkdir -p data/icons
convert -size 48x48 xc:orange data/icons/editor_48.png
"$E2E_DIST/editor" > editor.log 2>&1 &
TOOL_PID=$!

main=$(wait_window '^Vistrel Spieldateneditor!$')
# xprop (x11-utils) may be missing on a bare machine; the icon check needs it.
if command -v xprop > /dev/null; then
  # The icon property may follow the window's first mapping by a moment.
  icon_set() { xprop -id "$main" _NET_WM_ICON | grep -q "48 x 48"; }
  wait_until 15 icon_set || fail "Programmsymbol nicht aus data/icons geladen"
fi
measure_dialog "$main"

click_dlu 40 19 8               # line 0 of the list
load_pictures "$work/bild1.jpg" "$work/bild2.jpg"
shot main_dialog

click_dlu 130 227               # "Spieldatei erstellen"
close_message                   # the fairness check's question: no rectangles drawn, build anyway
choose_file "$work/Urlaub"
wait_window '^Spieldatei erstellen$' > /dev/null
xdotool type --delay 15 "Ferien am Meer"
xdotool key Return
close_message                   # the success message

click_dlu 48 228                # "Spielliste speichern"
choose_file "$work/projekt"

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key Escape
wait_until 15 process_ended "$TOOL_PID" || fail "Editor endet nicht mit Escape"
wait "$TOOL_PID" || fail "Editor endet mit Fehlercode $?"
TOOL_PID=

[[ -f Urlaub.vst ]] || fail "Urlaub.vst fehlt: $(ls)"
[[ -f Urlaub.vst.qxs ]] || fail "Urlaub.vst.qxs fehlt"
[[ $(head -c 15 Urlaub.vst | od -An -c | tr -s ' ') == *"F e r i e n"* ]] || fail "Name falsch"
"$QXTOOL" check Urlaub.vst.qxs || fail "qxtool check lehnt die Spieldatei ab"
# Two records carry a path ("$work/bildN.jpg") and a file name ("bildN.jpg").
[[ $(stat -c %s projekt.qxd) -eq $((1024 * 61 + 2 * (${#work} + 10) + 2 * 9)) ]] ||
  fail "projekt.qxd hat $(stat -c %s projekt.qxd) Bytes"
echo "Ende-zu-Ende-Lauf des Editors erfolgreich"
