#!/bin/sh
# Starts one Vistrel program for the current user.
#
#   vistrel-start PROGRAM [ARGUMENT...]
#
# The programs resolve every file against their working directory and write
# their settings and scores there, but an installed tree is read-only and
# shared. So each user gets a folder of their own, $XDG_DATA_HOME/vistrel
# (~/.local/share/vistrel by default), holding links to the installed programs
# and data; the program then starts inside it, finds ./qxdata, ./wizard, data/
# and editor.html where it expects them and keeps vol.qxf, vst.dat, HS.qxf and
# the rest apart from every other user's.
#
# VISTREL_PREPARE_ONLY=1 prepares the folder, prints its path and starts nothing.
set -u

say() {
  printf '%s\n' "$1" >&2
  # Started from the desktop menu nobody reads stderr: show it there as well.
  if [ ! -t 2 ] && command -v notify-send >/dev/null 2>&1; then
    notify-send --app-name=Vistrel "Vistrel" "$1" >/dev/null 2>&1 || true
  fi
}

fail() {
  say "$1"
  exit 1
}

if [ $# -lt 1 ]; then
  fail "Aufruf: vistrel-start PROGRAMM [ARGUMENT...]"
fi
program=$1
shift

# The installed tree is found from this script's own place, so a moved or
# re-installed prefix is picked up without any configuration.
self=$(readlink -f -- "$0") || fail "Vistrel: Der Installationsort von Vistrel lässt sich nicht bestimmen."
libdir=$(dirname -- "$self")
sharedir=$(cd -- "$libdir/../../share/vistrel" 2>/dev/null && pwd -P) ||
  fail "Vistrel: Der Datenordner der Installation fehlt ($libdir/../../share/vistrel). Bitte installieren Sie Vistrel erneut."

if [ ! -x "$libdir/$program" ] || [ -d "$libdir/$program" ]; then
  fail "Vistrel: Das Programm „$program“ fehlt in der Installation ($libdir). Bitte installieren Sie Vistrel erneut."
fi

# The XDG rules: an unset, empty or relative XDG_DATA_HOME is ignored.
base=
case ${XDG_DATA_HOME:-} in
  /*) base=$XDG_DATA_HOME ;;
esac
if [ -z "$base" ]; then
  case ${HOME:-} in
    /*) base=$HOME/.local/share ;;
    *) fail "Vistrel: Ihr persönlicher Ordner ist unbekannt (weder HOME noch XDG_DATA_HOME nennen einen absoluten Pfad). Spielstände und Einstellungen können so nicht gespeichert werden." ;;
  esac
fi
userdir=$base/vistrel

cannot_write() {
  fail "Vistrel: Der Ordner für Ihre Spielstände und Einstellungen konnte nicht angelegt werden:
  $userdir
Bitte prüfen Sie, ob Sie dort schreiben dürfen und ob noch Platz frei ist."
}

mkdir -p -- "$userdir" 2>/dev/null || cannot_write
[ -d "$userdir" ] && [ -w "$userdir" ] || cannot_write

# Points NAME in the user's folder at TARGET. A link is (re)pointed, because
# after an upgrade or a new prefix it may name a tree that is gone; anything
# else in its place is the user's own and stays untouched.
place_link() {
  name=$1
  target=$2
  path=$userdir/$name
  if [ -L "$path" ]; then
    [ "$(readlink -- "$path")" = "$target" ] && return 0
    # Renaming a fresh link over the old one never leaves the name missing.
    fresh=$userdir/.$name.link.$$
    rm -f -- "$fresh"
    if ln -s -- "$target" "$fresh" 2>/dev/null && mv -fT -- "$fresh" "$path" 2>/dev/null; then
      return 0
    fi
    rm -f -- "$fresh"
    cannot_write
  elif [ -e "$path" ]; then
    say "Vistrel: „$path“ ist keine Verknüpfung zur Installation und bleibt unverändert."
  else
    ln -s -- "$target" "$path" 2>/dev/null || cannot_write
  fi
}

for name in vistrel qxdata editor wizard qxtool; do
  place_link "$name" "$libdir/$name"
done
place_link data "$sharedir/data"
place_link editor.html "$sharedir/editor.html"

if [ "${VISTREL_PREPARE_ONLY:-}" = 1 ]; then
  printf '%s\n' "$userdir"
  exit 0
fi

cd -- "$userdir" || cannot_write
# The installed program itself, not the link: a user's own file of the same
# name in the folder must not take its place.
exec "$libdir/$program" "$@"
