#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
# shellcheck source=../support/shell/checks.sh
. "$(dirname "$0")/../support/shell/checks.sh" install
points_to() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ]; }

# A prefix with a space and shell-special characters, set only at install time.
prefix="$scratch/pre fix \$x"
cmake --install "$build" --prefix "$prefix" >/dev/null

# --- layout ---------------------------------------------------------------
for f in bin/vistrel bin/vistrel-game bin/vistrel-editor bin/vistrel-wizard bin/vistrel-qxtool \
         lib/vistrel/vistrel lib/vistrel/qxdata lib/vistrel/editor lib/vistrel/wizard \
         lib/vistrel/qxtool lib/vistrel/vistrel-start; do
  check "$f is an installed program" test -x "$prefix/$f"
done
check "data folder" cmp -s "$build/dist/data/dataset.qxs" "$prefix/share/vistrel/data/dataset.qxs"
check "icons inside data" test -f "$prefix/share/vistrel/data/icons/vistrel_32.png"
check "editor.html" cmp -s "$build/dist/editor.html" "$prefix/share/vistrel/editor.html"
for size in 16 32 48 64 128; do
  for id in example.vistrel.Vistrel example.vistrel.Vistrel.Editor; do
    check "$size px icon $id" test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
done

# --- menu entries and AppStream -----------------------------------------
for entry in "$prefix"/share/applications/*.desktop; do
  check "$(basename "$entry") validates" desktop-file-validate "$entry"
done
check "two menu entries" test "$(ls "$prefix"/share/applications | wc -l)" -eq 2
check "launcher entry starts the installed script" \
  grep -qxF "Exec=\"$(printf '%s' "$prefix" | sed 's/\$/\\\\$/g')/bin/vistrel\"" \
  "$prefix/share/applications/example.vistrel.Vistrel.desktop"
check "metainfo validates" appstreamcli validate --no-net \
  "$prefix/share/metainfo/example.vistrel.Vistrel.metainfo.xml" >/dev/null

# --- two users ------------------------------------------------------------
anna="$scratch/home anna"
bert="$scratch/home bert"
mkdir -p "$anna" "$bert/xdg data"
prepare() { # prepare HOME XDG_DATA_HOME WRAPPER
  env -u XDG_DATA_HOME HOME="$1" ${2:+XDG_DATA_HOME="$2"} VISTREL_PREPARE_ONLY=1 "$3"
}
# Anna: no XDG_DATA_HOME; Bert: his own, absolute.
check "anna's folder is printed" test "$(prepare "$anna" "" "$prefix/bin/vistrel")" = "$anna/.local/share/vistrel"
check "bert's folder is printed" test "$(prepare "$bert" "$bert/xdg data" "$prefix/bin/vistrel-editor")" = "$bert/xdg data/vistrel"
adir="$anna/.local/share/vistrel"
bdir="$bert/xdg data/vistrel"
for name in vistrel qxdata editor wizard qxtool; do
  check "anna's $name link" points_to "$adir/$name" "$prefix/lib/vistrel/$name"
  check "bert's $name link" points_to "$bdir/$name" "$prefix/lib/vistrel/$name"
done
check "data link" points_to "$adir/data" "$prefix/share/vistrel/data"
check "editor.html link" points_to "$bdir/editor.html" "$prefix/share/vistrel/editor.html"

# A relative XDG_DATA_HOME is ignored, as the XDG rules say.
check "relative XDG_DATA_HOME ignored" test "$(prepare "$anna" "rel/dir" "$prefix/bin/vistrel")" = "$adir"
check "no relative folder made" test ! -e rel

# A program really runs inside the user's folder and reads data/ through the link.
(cd "$scratch" && HOME="$anna" "$prefix/lib/vistrel/vistrel-start" qxtool check data/dataset.qxs >/dev/null) ||
  check "qxtool runs in the user's folder" false
# vistrel-qxtool instead stays where it is called, so relative names keep working.
(cd "$prefix/share/vistrel" && HOME="$anna" "$prefix/bin/vistrel-qxtool" check data/dataset.qxs >/dev/null) ||
  check "vistrel-qxtool runs in the caller's folder" false

# Scores are per user; a user's own file where a link would go stays as it is.
printf 'anna' >"$adir/HS.qxf"
rm "$adir/editor.html"
printf 'my notes' >"$adir/editor.html"
prepare "$anna" "" "$prefix/bin/vistrel" >/dev/null 2>"$scratch/warn"
check "user file kept" test "$(cat "$adir/editor.html")" = "my notes"
check "user file named in a warning" grep -q "keine Verknüpfung" "$scratch/warn"
check "anna's score kept" test "$(cat "$adir/HS.qxf")" = anna
check "bert has no score of anna's" test ! -e "$bdir/HS.qxf"

# --- a moved prefix: the stale links are repointed -------------------------
moved="$scratch/moved prefix"
mv "$prefix" "$moved"
prepare "$bert" "$bert/xdg data" "$moved/bin/vistrel" >/dev/null
check "link repointed after move" points_to "$bdir/qxdata" "$moved/lib/vistrel/qxdata"
check "data repointed after move" points_to "$bdir/data" "$moved/share/vistrel/data"
check "no temporary links left" test -z "$(find "$bdir" -name '.*.link.*')"

# --- a folder that cannot be made: a German message and exit code 1 --------
printf 'x' >"$scratch/blocker"
set +e
HOME="$scratch/blocker/home" XDG_DATA_HOME= "$moved/bin/vistrel" 2>"$scratch/err"
status=$?
set -e
check "exit code 1 when the folder cannot be made" test $status -eq 1
check "German message names the folder" grep -qF "konnte nicht angelegt werden" "$scratch/err"

# --- uninstall: every installed file goes, the users' folders stay ----------
cmake -DROOT="$moved" -P "$source/packaging/uninstall.cmake" >/dev/null
check "nothing installed is left" test -z "$(find "$moved" -not -type d)"
check "Vistrel's own folders are gone" test ! -e "$moved/lib/vistrel" -a ! -e "$moved/share/vistrel"
check "anna's folder stays" test -f "$adir/HS.qxf"

finish_checks "install"
