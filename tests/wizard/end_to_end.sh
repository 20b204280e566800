#!/bin/bash
# Runs the real difference editor under a virtual display: a rectangle is
# dragged with the mouse and accepted with Return, so dat.txt holds the
# twenty numbers only and the WIZARD_DONE flag is set; a second run is
# cancelled with Escape and "Ja" and leaves dat.txt and the flag alone.
set -u
WIZARD=$1
E2E_DIST=$(cd "$(dirname "$WIZARD")" && pwd)
E2E_RUN=wizard
# shellcheck source=../e2e/common.sh
. "$(dirname "$0")/../e2e/common.sh"
trap 'cleanup; rm -f /dev/shm/WIZARD_DONE' EXIT
cd "$WORK" || exit 1
convert -size 488x430 gradient:yellow-green links.jpg
convert -size 488x430 gradient:orange-purple rechts.jpg
{
  printf '%s\0%s\0' "$WORK/links.jpg" "$WORK/rechts.jpg"
  for n in 0 0 0 0  100 100 200 150  300 200 480 420  0 0 0 0  400 20 487 100; do printf '%s\0' $n; done
} > request.txt
cp request.txt dat.txt
rm -f /dev/shm/WIZARD_DONE

EDITOR_TITLE="Fehlerkoordinaten Editor"
editor_ready() { dialog_shown "$EDITOR_TITLE" && xdotool windowfocus --sync "$WID" 2>/dev/null && has_focus "$WID"; }
# The pictures are drawn once the dialog has laid itself out: a point of the
# left picture then shows its yellow-green instead of the dialog's grey.
pictures_drawn() {
  local r g b
  grab || return 1
  read -r r g b < <(convert "$SCRATCH/screen.png" -crop "1x1+$1+$2" -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:)
  [ "$g" -ge 120 ] && [ "$b" -le 80 ]
}
picture_point() { eval "$(xdotool getwindowgeometry --shell "$WID")"; pictures_drawn $((X + 50)) $((Y + 50)); }

"$WIZARD" & PID=$!
TOOL_PID=$PID
wait_until 30 editor_ready || fail "dialog did not open"
wait_until 15 picture_point || fail "pictures not drawn"
# Press at client (100, 100), drag beyond the picture to (600, 460).
drag_rectangle "$WID" 100 100 600 460
xdotool mousemove --sync --window "$WID" 700 100
shot zeichnen
xdotool windowfocus --sync "$WID" key Return
wait_until 15 process_ended $PID || { kill $PID; fail "dialog did not end after Return"; }
wait $PID || fail "exit code after accept"
EXPECTED=$(for n in 90 90 490 430  100 100 200 150  300 200 480 420  0 0 0 0  400 20 487 100; do printf '%s\0' $n; done | od -An -c)
[ "$(od -An -c dat.txt)" = "$EXPECTED" ] || fail "dat.txt after accept: $(od -c dat.txt)"
[ -e /dev/shm/WIZARD_DONE ] || fail "WIZARD_DONE not set"
rm -f /dev/shm/WIZARD_DONE

# Cancel: Escape asks, Return answers with the default "Ja".
cp request.txt dat.txt
BEFORE=$(od -An -c dat.txt)
"$WIZARD" & PID=$!
TOOL_PID=$PID
wait_until 30 editor_ready || fail "dialog did not open again"
MAIN_WID=$WID
wait_until 15 picture_point || fail "pictures not drawn again"
xdotool key Escape
# The question is a window of its own beside the dialog; without a window
# manager it does not take the focus by itself.
question_shown() {
  local window
  for window in $(xdotool search --onlyvisible --class Wizard 2>/dev/null); do
    [ "$window" = "$MAIN_WID" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -gt 100 ] && { QUESTION=$window; return 0; }
  done
  return 1
}
wait_until 15 question_shown || fail "Escape did not ask"
still_running $PID || fail "Escape ended without asking"
xdotool windowfocus --sync "$QUESTION" key Return
wait_until 15 process_ended $PID || { kill $PID; fail "dialog did not end after Ja"; }
[ "$(od -An -c dat.txt)" = "$BEFORE" ] || fail "dat.txt changed by cancel"
[ -e /dev/shm/WIZARD_DONE ] && fail "WIZARD_DONE set by cancel"
echo "wizard end-to-end ok"
