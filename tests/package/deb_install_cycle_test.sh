#!/usr/bin/env bash
# deb_install_cycle_test.sh DEB VERSION
# Installs the package into a throwaway root with dpkg (its own instdir and
# admindir, never the real system), upgrades an earlier build of it to this
# one, removes and purges it, and checks that a player's folder survives all
# of it byte for byte.
set -euo pipefail
deb=$1
version=$2
# shellcheck source=../support/shell/checks.sh
. "$(dirname "$0")/../support/shell/checks.sh" dpkg

root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The libraries the package depends on are not in the throwaway root, so
# their absence must not stop the install; as a normal user dpkg may not
# change owners, and it looks for ldconfig on the PATH. Slim container images
# tell dpkg to skip manual pages and documents; here every file counts.
dpkg_root() {
  PATH="$PATH:/usr/sbin:/sbin" dpkg --root="$root" --log=/dev/null --force-not-root --force-depends \
    --path-include='*' "$@"
}
status_of() { dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status} ${Version}' vistrel 2>/dev/null || true; }
installed_files() { if [ -d "$root/usr" ]; then (cd "$root" && find usr -not -type d | sort); fi; }

# An earlier build of the same package: a lower version that still carries a
# file the current one no longer ships.
old_tree=$scratch/old
dpkg-deb -R "$deb" "$old_tree"
sed -i "s/^Version: .*/Version: ${version}~earlier1/" "$old_tree/DEBIAN/control"
printf 'left over\n' >"$old_tree/usr/share/vistrel/data/obsolete.dat"
(cd "$old_tree" && md5sum usr/share/vistrel/data/obsolete.dat) >>"$old_tree/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Znone --build "$old_tree" "$scratch/old.deb" >/dev/null

# --- install the earlier build ------------------------------------------------
dpkg_root -i "$scratch/old.deb" >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; exit 1; }
check "earlier build installed" test "$(status_of)" = "install ok installed ${version}~earlier1"
check "its obsolete file is there" test -f "$root/usr/share/vistrel/data/obsolete.dat"

# A player's folder, prepared by the installed start command, with their own
# settings, scores, records and a game file of their own.
home=$root/home/anna
mkdir -p "$home"
player=$(HOME=$home XDG_DATA_HOME= VISTREL_PREPARE_ONLY=1 "$root/usr/bin/vistrel")
check "the start command prepares the player's folder" test "$player" = "$home/.local/share/vistrel"
printf 'Anna\0score' >"$player/HS.qxf"
printf '\x40\x40' >"$player/vol.qxf"
printf '\xff' >"$player/vst.dat"
printf 'list' >"$player/vsts.dat"
printf 'played' >"$player/qxdat.qxf"
mkdir -p "$home/Spiele"
cp "$root/usr/share/vistrel/data/dataset.qxs" "$home/Spiele/Urlaub.vst.qxs"
printf 'Urlaub\0Bilder vom Urlaub\0' >"$home/Spiele/Urlaub.vst"
printf 'Anna\0high' >"$home/Spiele/Urlaub.vst.qxh"
player_files() { (cd "$home" && find . -type f -exec md5sum {} + | sort -k2); }
before=$(player_files)

# --- upgrade to this build ------------------------------------------------------
dpkg_root -i "$deb" >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; exit 1; }
check "upgraded to $version" test "$(status_of)" = "install ok installed $version"
check "the obsolete file went with the upgrade" test ! -e "$root/usr/share/vistrel/data/obsolete.dat"
check "exactly the package's files are installed" diff <(installed_files) \
  <(dpkg-deb -c "$deb" | awk '{ print substr($6, 3) }' | grep -v -e '/$' -e '^$' | sort)
check "the player's files survive the upgrade" test "$(player_files)" = "$before"
# The player's links lead to the upgraded programs and data.
check "the installed qxtool runs from the player's folder" \
  bash -c 'cd "$1" && ./qxtool check data/dataset.qxs >/dev/null' _ "$player"
check "vistrel-qxtool reports $version" test "$("$root/usr/bin/vistrel-qxtool" --version)" = "qxtool (Vistrel) $version"

# --- remove, then install again and purge ----------------------------------------
dpkg_root -r vistrel >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; exit 1; }
check "removed" bash -c '[ -z "$1" ] || [[ "$1" == *not-installed* ]]' _ "$(status_of)"
check "nothing of the package is left" test -z "$(installed_files)"
check "no empty Vistrel folders left" test ! -e "$root/usr/lib/vistrel" -a ! -e "$root/usr/share/vistrel" -a ! -e "$root/usr/share/doc/vistrel"
check "the player's files survive the removal" test "$(player_files)" = "$before"

dpkg_root -i "$deb" >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; exit 1; }
check "installed again" test "$(status_of)" = "install ok installed $version"
dpkg_root --purge vistrel >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; exit 1; }
check "purged" bash -c '[ -z "$1" ] || [[ "$1" == *not-installed* ]]' _ "$(status_of)"
check "nothing of the package is left after purging" test -z "$(installed_files)"
check "dpkg keeps no record of its files" test -z "$(ls "$root/var/lib/dpkg/info" | grep '^vistrel\.' || true)"
check "the player's files survive the purge" test "$(player_files)" = "$before"
check "the player's folder is still there" test -d "$player"

finish_checks "install cycle"
