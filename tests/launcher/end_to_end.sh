#!/bin/bash
# Runs the real launcher under a virtual display: Escape writes nothing; a
# game file added through the file dialog and started with Return ends up in
# vst.dat and vsts.dat, and ./qxdata is started without arguments; the window
# icon is read from data/icons in the working directory; "neu erzeugen"
# paints a game file into Spieldateien/, lists and selects it, and Start
# hands it to the game.
set -u
VISTREL=$1
HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
cd "$HOME_DIR"
printf 'Urlaub\0Bilder vom Strand\0' > urlaub.vst
printf '#!/bin/sh\necho "args=$#" > qxdata-started\n' > qxdata
chmod +x qxdata

fail() { echo "FAIL: $*"; echo "FAIL: $*" >> "${TMPDIR:-/tmp}/launcher-e2e-failure.txt"; import -window root "${TMPDIR:-/tmp}/launcher-e2e-failure.png" 2>/dev/null; exit 1; }

wait_window() {
  for _ in $(seq 1 300); do
    WID=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$WID" ] && return 0
    sleep 0.1
  done
  return 1
}

# 1. Escape cancels: vst.dat is not written.
"$VISTREL" & PID=$!
wait_window "Vistrel v1.0" || fail "chooser did not open"
sleep 0.5
xdotool windowfocus --sync "$WID" key Escape
wait $PID || fail "exit code after cancel"
[ -e vst.dat ] && fail "vst.dat written after cancel"
[ "$(od -An -tx1 vsts.dat | tr -d ' ')" = "0000" ] || fail "first run vsts.dat"

# 2. Add through the file dialog, then Start with Return. The window icon
# comes from data/icons in the working directory (step 1 ran without it).
mkdir -p data/icons
convert -size 32x32 xc:orange data/icons/vistrel_32.png
"$VISTREL" & PID=$!
wait_window "Vistrel v1.0" || fail "chooser did not open again"
sleep 0.5
MAIN_WID=$WID
# xprop (x11-utils) may be missing on a bare machine; the icon check needs it.
if command -v xprop >/dev/null; then
  # The icon property may follow the window's first mapping by a moment.
  for _ in $(seq 1 150); do xprop -id "$MAIN_WID" _NET_WM_ICON | grep -q "32 x 32" && break; sleep 0.1; done
  xprop -id "$MAIN_WID" _NET_WM_ICON | grep -q "32 x 32" || fail "window icon not taken from data/icons"
fi
xdotool windowfocus --sync "$MAIN_WID"
# Tab order: start, combo, add.
xdotool key Tab Tab space
wait_window "Öffnen" || fail "file dialog did not open"
sleep 1.5
xdotool key ctrl+l
sleep 0.3
xdotool type --delay 20 "$HOME_DIR/urlaub.vst"
sleep 0.3
xdotool key Return
for _ in $(seq 1 150); do xdotool search --name "Öffnen" >/dev/null 2>&1 || break; sleep 0.1; done
sleep 0.5
# Focus is back on "hinzufügen", so Return would add again: click Start
# (dialog units 36,94 85x14, about 157,216 in pixels at the default font).
xdotool mousemove --window "$MAIN_WID" 157 216
sleep 0.3
xdotool click 1
for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
kill -0 $PID 2>/dev/null && { kill $PID; fail "launcher did not end after Start"; }
wait $PID || fail "exit code after Start"
[ "$(cat vst.dat)" = "$HOME_DIR/urlaub.vst" ] || fail "vst.dat: $(od -c vst.dat)"
EXPECTED=$(printf '\001\001%s\000' "$HOME_DIR/urlaub.vst" | od -An -tx1)
[ "$(od -An -tx1 vsts.dat)" = "$EXPECTED" ] || fail "vsts.dat: $(od -c vsts.dat)"
for _ in $(seq 1 150); do [ -e qxdata-started ] && break; sleep 0.1; done
[ "$(cat qxdata-started 2>/dev/null)" = "args=0" ] || fail "qxdata not started"

# 3. "neu erzeugen": the difficulty question (Return takes the offered
# "mittel"), the progress window until the pictures are painted, then the
# new file is the selected entry and Start hands it to the game.
rm -f qxdata-started
"$VISTREL" & PID=$!
wait_window "Vistrel v1.0" || fail "chooser did not open a third time"
sleep 0.5
MAIN_WID=$WID
# Dialog units 164,113 127x14: about 454,256 in pixels at the default font.
xdotool mousemove --window "$MAIN_WID" 454 256
sleep 0.3
xdotool click 1
wait_window "Neue Spieldatei erzeugen" || fail "no difficulty question"
sleep 1
xdotool key Return
for _ in $(seq 1 1200); do
  ls Spieldateien/neu-mittel-*.vst >/dev/null 2>&1 && ! xdotool search --name "Neue Spieldatei erzeugen" >/dev/null 2>&1 && break
  sleep 0.1
done
NEW=$(ls "$HOME_DIR"/Spieldateien/neu-mittel-*.vst 2>/dev/null | head -1)
[ -n "$NEW" ] && [ -e "$NEW.qxs" ] || fail "no generated game file in Spieldateien"
sleep 0.5
xdotool mousemove --window "$MAIN_WID" 157 216
sleep 0.3
xdotool click 1
for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
kill -0 $PID 2>/dev/null && { kill $PID; fail "launcher did not end after Start with the new file"; }
wait $PID || fail "exit code after Start with the new file"
[ "$(cat vst.dat)" = "$NEW" ] || fail "vst.dat after neu erzeugen: $(od -c vst.dat)"
EXPECTED=$(printf '\002\002%s\000%s\000' "$HOME_DIR/urlaub.vst" "$NEW" | od -An -tx1)
[ "$(od -An -tx1 vsts.dat)" = "$EXPECTED" ] || fail "vsts.dat after neu erzeugen: $(od -c vsts.dat)"
echo "launcher end-to-end ok"
