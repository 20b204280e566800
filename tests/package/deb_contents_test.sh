#!/usr/bin/env bash
# deb_contents_test.sh DEB VERSION DIST_DIR
# Reads the package back as dpkg and lintian would: its fields, its file list,
# its manual pages, and that every version number in it is the build's.
set -euo pipefail
deb=$1
version=$2
dist=$3
arch=$(dpkg --print-architecture)
# shellcheck source=../support/shell/checks.sh
. "$(dirname "$0")/../support/shell/checks.sh" deb
field() { dpkg-deb -f "$deb" "$1"; }

check "package named vistrel_${version}_$arch.deb" test "$(basename "$deb")" = "vistrel_${version}_$arch.deb"
[ -f "$deb" ] || { echo "FAIL: $deb was not built" >&2; exit 1; }

# --- control fields ----------------------------------------------------------
check "Package" test "$(field Package)" = vistrel
check "Version is the build's" test "$(field Version)" = "$version"
check "Architecture" test "$(field Architecture)" = "$arch"
for name in Maintainer Section Priority Description Installed-Size; do
  check "$name is set" test -n "$(field "$name")"
done
depends=$(field Depends)
# Every library a program links must come from a package the package depends
# on: proof that the list was read from the programs, not typed in.
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
sonames=$(for program in vistrel qxdata editor wizard qxtool; do
  readelf -d "$root/usr/lib/vistrel/$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'
done | sort -u)
check "the programs link libraries" test -n "$sonames"
# One query for all of them: "pkg:arch, pkg2:arch: /path/to/libfoo.so.1".
owners_table=$(dpkg -S $(printf '*/%s ' $sonames) 2>/dev/null || true)
depended=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (:].*//')
for soname in $sonames; do
  owners=$(printf '%s\n' "$owners_table" | awk -v so="$soname" -F': ' \
    '{ n = split($2, parts, "/"); if (parts[n] == so) { k = split($1, pkgs, ", "); for (i = 1; i <= k; i++) { sub(/:.*/, "", pkgs[i]); print pkgs[i] } } }' | sort -u)
  found=no
  for owner in $owners; do
    if printf '%s\n' "$depended" | grep -qxF "$owner"; then found=yes; fi
  done
  check "$soname comes from a dependency (${owners:-no package owns it})" test $found = yes
done
check "no development package among the dependencies" test -z "$(printf '%s' "$depends" | grep -o '[a-z0-9.+-]*-dev\b' || true)"
check "programs are stripped" test -z "$(for p in "$root"/usr/lib/vistrel/*; do readelf -S "$p" 2>/dev/null | grep -l '\.symtab' || true; done)"

# --- files ---------------------------------------------------------------------
listing=$(dpkg-deb -c "$deb")
paths=$(printf '%s\n' "$listing" | awk '{ print $6 }')
check "every file owned by root" test -z "$(printf '%s\n' "$listing" | awk '$2 != "root/root"')"
check "everything under /usr" test -z "$(printf '%s\n' "$paths" | grep -v '^\./$' | grep -v '^\./usr/')"
has() { printf '%s\n' "$paths" | grep -qxF "./$1"; }
mode_of() { printf '%s\n' "$listing" | awk -v p="./$1" '$6 == p { print $1 }'; }
commands="vistrel vistrel-game vistrel-editor vistrel-wizard vistrel-qxtool"
for c in $commands; do
  check "start command $c" test "$(mode_of "usr/bin/$c")" = -rwxr-xr-x
done
for p in vistrel qxdata editor wizard qxtool vistrel-start; do
  check "program $p" test "$(mode_of "usr/lib/vistrel/$p")" = -rwxr-xr-x
done
for f in usr/share/vistrel/data/dataset.qxs usr/share/vistrel/data/igdata.qxs usr/share/vistrel/editor.html \
         usr/share/applications/example.vistrel.Vistrel.desktop \
         usr/share/applications/example.vistrel.Vistrel.Editor.desktop \
         usr/share/metainfo/example.vistrel.Vistrel.metainfo.xml \
         usr/share/doc/vistrel/copyright usr/share/doc/vistrel/changelog.gz; do
  check "$f" has "$f"
  check "$f is not executable" test "$(mode_of "$f")" = -rw-r--r--
done
for size in 16 32 48 64 128; do
  for id in example.vistrel.Vistrel example.vistrel.Vistrel.Editor; do
    check "$size px icon $id" has "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
done
check "the data folder is whole" diff <(cd "$dist/data" && find . -type f | sort) \
  <(cd "$root/usr/share/vistrel/data" && find . -type f | sort)
check "no install list of make install" bash -c "! grep -q install-manifest <<<\"\$1\"" _ "$paths"
check "no changelog.Debian.gz in a native package" bash -c "! grep -q changelog.Debian <<<\"\$1\"" _ "$paths"

# md5sums names every file with its right sum.
dpkg-deb -e "$deb" "$scratch/DEBIAN"
check "md5sums match" bash -c 'cd "$1" && md5sum --quiet -c "$2"' _ "$root" "$scratch/DEBIAN/md5sums"
check "md5sums cover every file" test "$(wc -l <"$scratch/DEBIAN/md5sums")" -eq "$(find "$root" -type f | wc -l)"
check "no maintainer scripts" test -z "$(ls "$scratch/DEBIAN" | grep -vxE 'control|md5sums')"

# --- manual pages: English and German for every command, clean for man ---------
for c in $commands; do
  section=6
  [ "$c" = vistrel-qxtool ] && section=1
  for dir in man "de/man"; do
    page="usr/share/man/$dir$section/$c.$section.gz"
    check "$page" has "$page"
    if [ -f "$root/$page" ]; then
      warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/$page" 2>&1 >/dev/null)
      check "$page renders without warnings: $warnings" test -z "$warnings"
      check "$page is compressed with gzip -9n" bash -c 'gzip -l "$1" >/dev/null && [ "$(od -An -tx1 -j3 -N1 "$1" | tr -d " ")" = 00 ]' _ "$root/$page"
    fi
  done
done
# Every command qxtool's usage names is documented in both of its pages.
usage=$("$root/usr/lib/vistrel/qxtool" 2>&1 >/dev/null || true)
subcommands=$(printf '%s\n' "$usage" | sed -n 's/^.*qxtool \([a-z][a-z-]*\).*$/\1/p' | sort -u)
check "qxtool prints its usage" test -n "$subcommands"
for dir in man1 de/man1; do
  page=$(gzip -dc "$root/usr/share/man/$dir/vistrel-qxtool.1.gz")
  for sub in $subcommands --version; do
    escaped=$(printf '%s' "$sub" | sed 's/-/\\\\-/g')
    check "$dir/vistrel-qxtool.1 documents $sub" grep -qE "^\.B vistrel\\\\-qxtool $escaped( |$)" <<<"$page"
  done
done

# --- one version everywhere ----------------------------------------------------
check "qxtool --version" test "$("$root/usr/lib/vistrel/qxtool" --version)" = "qxtool (Vistrel) $version"
check "changelog's newest entry" test "$(gzip -dc "$root/usr/share/doc/vistrel/changelog.gz" | head -1 | sed 's/^vistrel (\([^)]*\)).*/\1/')" = "$version"
metainfo=$root/usr/share/metainfo/example.vistrel.Vistrel.metainfo.xml
check "metainfo's newest release" test "$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)" = "$version"
check "metainfo validates" appstreamcli validate --no-net "$metainfo" >/dev/null
for entry in "$root"/usr/share/applications/*.desktop; do
  check "$(basename "$entry") validates" desktop-file-validate "$entry"
  check "$(basename "$entry") starts a command of the package" \
    has "$(sed -n 's/^Exec="\/\(.*\)"$/\1/p' "$entry")"
done

finish_checks "package"
