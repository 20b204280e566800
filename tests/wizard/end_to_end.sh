#!/bin/bash
# Runs the real difference editor under a virtual display: a rectangle is
# dragged with the mouse and accepted with Return, so dat.txt holds the
# twenty numbers only and the WIZARD_DONE flag is set; a second run is
# cancelled with Escape and "Ja" and leaves dat.txt and the flag alone.
set -u
WIZARD=$1
SHOT_DIR=$PWD
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"; rm -f /dev/shm/WIZARD_DONE' EXIT
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
cd "$WORK"
convert -size 488x430 gradient:yellow-green links.jpg
convert -size 488x430 gradient:orange-purple rechts.jpg
{
  printf '%s\0%s\0' "$WORK/links.jpg" "$WORK/rechts.jpg"
  for n in 0 0 0 0  100 100 200 150  300 200 480 420  0 0 0 0  400 20 487 100; do printf '%s\0' $n; done
} > request.txt
cp request.txt dat.txt
rm -f /dev/shm/WIZARD_DONE

fail() { echo "FAIL: $*"; import -window root "$SHOT_DIR/wizard-e2e-failure.png" 2>/dev/null; exit 1; }

wait_window() {
  for _ in $(seq 1 300); do
    WID=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$WID" ] && return 0
    sleep 0.1
  done
  return 1
}

"$WIZARD" & PID=$!
wait_window "Fehlerkoordinaten Editor" || fail "dialog did not open"
sleep 0.8
# Press at client (100, 100), drag beyond the picture to (600, 460).
xdotool mousemove --window "$WID" 100 100; sleep 0.2
xdotool mousedown 1; sleep 0.2
xdotool mousemove --window "$WID" 300 300; sleep 0.2
xdotool mousemove --window "$WID" 600 460; sleep 0.3
xdotool mouseup 1; sleep 0.3
xdotool mousemove --window "$WID" 700 100; sleep 0.4
import -window root "$SHOT_DIR/wizard-e2e.png"
xdotool windowfocus --sync "$WID" key Return
for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
kill -0 $PID 2>/dev/null && { kill $PID; fail "dialog did not end after Return"; }
wait $PID || fail "exit code after accept"
EXPECTED=$(for n in 90 90 490 430  100 100 200 150  300 200 480 420  0 0 0 0  400 20 487 100; do printf '%s\0' $n; done | od -An -c)
[ "$(od -An -c dat.txt)" = "$EXPECTED" ] || fail "dat.txt after accept: $(od -c dat.txt)"
[ -e /dev/shm/WIZARD_DONE ] || fail "WIZARD_DONE not set"
rm -f /dev/shm/WIZARD_DONE

# Cancel: Escape asks, Return answers with the default "Ja".
cp request.txt dat.txt
BEFORE=$(od -An -c dat.txt)
"$WIZARD" & PID=$!
wait_window "Fehlerkoordinaten Editor" || fail "dialog did not open again"
sleep 0.8
xdotool windowfocus --sync "$WID" key Escape
sleep 0.8
kill -0 $PID 2>/dev/null || fail "Escape ended without asking"
xdotool key Return
for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
kill -0 $PID 2>/dev/null && { kill $PID; fail "dialog did not end after Ja"; }
[ "$(od -An -c dat.txt)" = "$BEFORE" ] || fail "dat.txt changed by cancel"
[ -e /dev/shm/WIZARD_DONE ] && fail "WIZARD_DONE set by cancel"
echo "wizard end-to-end ok"
