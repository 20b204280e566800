#!/bin/bash
# Runs the real launcher under a virtual display: Escape writes nothing; a
# game file added through the file dialog and started with Return ends up in
# vst.dat and vsts.dat, and ./qxdata is started without arguments; the window
# icon is read from data/icons in the working directory; "neu erzeugen"
# paints a game file into Spieldateien/, lists and selects it, and Start
# hands it to the game.
set -u
VISTREL=$1
E2E_DIST=$(cd "$(dirname "$VISTREL")" && pwd)
E2E_RUN=launcher
# shellcheck source=../e2e/common.sh
. "$(dirname "$0")/../e2e/common.sh"
. "$(dirname "$0")/../e2e/editor_dialogs.sh"
HOME_DIR=$WORK
cd "$HOME_DIR" || exit 1
printf 'Urlaub\0Bilder vom Strand\0' > urlaub.vst
# Written aside and renamed, so the file is never seen half-written.
printf '#!/bin/sh\necho "args=$#" > qxdata-started.tmp && mv qxdata-started.tmp qxdata-started\n' > qxdata
chmod +x qxdata

launcher_ready() { dialog_shown "Vistrel v1.0" && xdotool windowfocus --sync "$WID" 2>/dev/null && has_focus "$WID"; }
# Start (dialog units 36,94 85x14, about 157,216 in pixels at the default
# font) is clicked, so it works wherever the focus is; the launcher ends.
click_start() {  # WHEN, for the messages
  xdotool mousemove --sync --window "$MAIN_WID" 157 216 click 1
  wait_until 15 process_ended $PID || { kill $PID; fail "launcher did not end after Start $1"; }
  wait $PID || fail "exit code after Start $1"
}

# 1. Escape cancels: vst.dat is not written.
"$VISTREL" & PID=$!
TOOL_PID=$PID
wait_until 30 launcher_ready || fail "chooser did not open"
xdotool key Escape
wait $PID || fail "exit code after cancel"
[ -e vst.dat ] && fail "vst.dat written after cancel"
[ "$(od -An -tx1 vsts.dat | tr -d ' ')" = "0000" ] || fail "first run vsts.dat"

# 2. Add through the file dialog, then Start with Return. The window icon
# comes from data/icons in the working directory (step 1 ran without it).
mkdir -p data/icons
convert -size 32x32 xc:orange data/icons/vistrel_32.png
"$VISTREL" & PID=$!
TOOL_PID=$PID
wait_until 30 launcher_ready || fail "chooser did not open again"
MAIN_WID=$WID
# xprop (x11-utils) may be missing on a bare machine; the icon check needs it.
if command -v xprop >/dev/null; then
  # The icon property may follow the window's first mapping by a moment.
  icon_set() { xprop -id "$MAIN_WID" _NET_WM_ICON | grep -q "32 x 32"; }
  wait_until 15 icon_set || fail "window icon not taken from data/icons"
fi
# Tab order: start, combo, add.
xdotool key Tab Tab space
choose_file "$HOME_DIR/urlaub.vst"
launcher_focused() { has_focus "$MAIN_WID"; }
wait_until 15 launcher_focused || fail "chooser did not get the focus back"
# Focus is back on "hinzufügen", so Return would add again.
click_start "with the added file"
[ "$(cat vst.dat)" = "$HOME_DIR/urlaub.vst" ] || fail "vst.dat: $(od -c vst.dat)"
EXPECTED=$(printf '\001\001%s\000' "$HOME_DIR/urlaub.vst" | od -An -tx1)
[ "$(od -An -tx1 vsts.dat)" = "$EXPECTED" ] || fail "vsts.dat: $(od -c vsts.dat)"
wait_until 15 test -e qxdata-started || fail "qxdata not started"
[ "$(cat qxdata-started)" = "args=0" ] || fail "qxdata started with $(cat qxdata-started)"

# 3. "neu erzeugen": the difficulty question (Return takes the offered
# "mittel"), the progress window until the pictures are painted, then the
# new file is the selected entry and Start hands it to the game.
rm -f qxdata-started
"$VISTREL" & PID=$!
TOOL_PID=$PID
wait_until 30 launcher_ready || fail "chooser did not open a third time"
MAIN_WID=$WID
# Dialog units 164,113 127x14: about 454,256 in pixels at the default font.
xdotool mousemove --window "$MAIN_WID" 454 256
xdotool click 1
question_ready() { dialog_shown "Neue Spieldatei erzeugen" && xdotool windowfocus --sync "$WID" 2>/dev/null && has_focus "$WID"; }
wait_until 30 question_ready || fail "no difficulty question"
xdotool key Return
generated() { ls Spieldateien/neu-mittel-*.vst >/dev/null 2>&1 && dialog_gone "Neue Spieldatei erzeugen"; }
wait_until 120 generated || fail "no generated game file in Spieldateien"
NEW=$(ls "$HOME_DIR"/Spieldateien/neu-mittel-*.vst 2>/dev/null | head -1)
[ -n "$NEW" ] && [ -e "$NEW.qxs" ] || fail "no picture-pair file beside the generated game file"
# The chooser is busy until the progress window has gone.
chooser_shown() { dialog_shown "Vistrel v1.0"; }
wait_until 15 chooser_shown || fail "chooser gone after painting"
click_start "with the new file"
[ "$(cat vst.dat)" = "$NEW" ] || fail "vst.dat after neu erzeugen: $(od -c vst.dat)"
EXPECTED=$(printf '\002\002%s\000%s\000' "$HOME_DIR/urlaub.vst" "$NEW" | od -An -tx1)
[ "$(od -An -tx1 vsts.dat)" = "$EXPECTED" ] || fail "vsts.dat after neu erzeugen: $(od -c vsts.dat)"
echo "launcher end-to-end ok"
