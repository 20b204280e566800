# Driving the editor's main dialog and the GTK file dialogs with xdotool,
# shared by the editor's own end-to-end run and the runs in this folder.
# The sourcing script defines fail().

wait_window() {  # name regex -> window id, focused
  local id
  id=$(timeout 30 xdotool search --sync --name "$1" | head -1) || fail "Fenster '$1' erscheint nicht"
  xdotool windowfocus --sync "$id" 2> /dev/null || true
  sleep 0.4
  echo "$id"
}
window_gone() { ! xdotool getwindowname "$1" > /dev/null 2>&1; }

# Takes the main dialog's position and size (X, Y, WIDTH, HEIGHT) for click_dlu.
measure_dialog() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# The dialog is 467 x 251 dialog units; a click goes to a control's top-left
# corner in dialog units plus a few pixels into it (10 unless given).
click_dlu() {
  xdotool mousemove --sync $((X + $1 * WIDTH / 467)) $((Y + $2 * HEIGHT / 251 + ${3:-10})) click 1
  sleep 0.4
}

choose_file() {  # types a full path into the GTK file dialog
  local dialog
  dialog=$(wait_window 'ffnen$|^Speichern unter$')  # "Öffnen" or "Speichern unter"
  xdotool type --delay 15 "$1"
  sleep 0.3
  # The location field's completion can swallow the first Return under load.
  for _ in 1 2 3 4 5; do
    xdotool key Return
    sleep 0.8
    window_gone "$dialog" && return 0
  done
  fail "Dateidialog schließt nicht für $1"
}

# Loads both pictures of the selected line through "laden" for Bild 1 and 2.
load_pictures() {  # FIRST.jpg SECOND.jpg
  click_dlu 380 114
  choose_file "$1"
  click_dlu 380 130
  choose_file "$2"
}
