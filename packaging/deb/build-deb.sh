#!/usr/bin/env bash
# build-deb.sh BUILD_DIR OUT_DIR
#
# Packs the Release build in BUILD_DIR into OUT_DIR/vistrel_<version>_<arch>.deb
# and prints the package's path. The tree is staged with the project's own
# install rules (prefix /usr), stripped, completed with what Debian wants of
# every package (compressed manual pages and changelog, the copyright file,
# md5sums, files owned by root) and packed with dpkg-deb. The library
# dependencies come from dpkg-shlibdeps reading the programs themselves.
#
# VISTREL_DEB_COMPRESSION=gzip packs with gzip instead of xz: the media in
# data/ are compressed already, so the package is only 12 % larger, but it
# takes seconds instead of a minute or more. The tests use it.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: build-deb.sh BUILD_DIR OUT_DIR" >&2
  exit 2
fi
build=$(cd -- "$1" && pwd)
mkdir -p -- "$2"
out=$(cd -- "$2" && pwd)
here=$(cd -- "$(dirname -- "$0")" && pwd)
source_dir=$(cd -- "$here/../.." && pwd)

# The version the build was configured with (from packaging/changelog).
version=$(cat "$build/packaging/version")
arch=$(dpkg --print-architecture)
deb="$out/vistrel_${version}_${arch}.deb"

compression=${VISTREL_DEB_COMPRESSION:-xz}
case $compression in
  xz | gzip) ;;
  *) echo "build-deb.sh: VISTREL_DEB_COMPRESSION must be xz or gzip" >&2; exit 2 ;;
esac

# Laid out as in a Debian source tree, debian/control beside the staged
# debian/vistrel with its DEBIAN folder, because that is what dpkg-shlibdeps
# expects.
work=$(mktemp -d "$out/.vistrel-deb.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
root=$work/debian/vistrel
mkdir -p -- "$work/debian"
printf 'Source: vistrel\n\nPackage: vistrel\nArchitecture: any\n' >"$work/debian/control"

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# dpkg keeps the list of installed files itself; `make uninstall` is not the
# way to remove a package.
rm -f -- "$root/usr/share/vistrel/install-manifest.txt"

find "$root/usr/share/man" -type f -exec gzip -9n -- {} +
install -D -m 0644 -- "$here/copyright" "$root/usr/share/doc/vistrel/copyright"
gzip -9n -c -- "$source_dir/packaging/changelog" >"$root/usr/share/doc/vistrel/changelog.gz"

# Modes as Debian wants them whatever the umask: programs and start scripts
# executable, everything else read-only for others.
find "$root" -type d -exec chmod 0755 -- {} +
find "$root" -type f -exec chmod 0644 -- {} +
chmod 0755 -- "$root"/usr/bin/* "$root"/usr/lib/vistrel/*

is_elf() { [ "$(head -c 4 -- "$1" | tail -c 3)" = ELF ]; }
programs=()
for file in "$root"/usr/lib/vistrel/*; do
  if is_elf "$file"; then programs+=("debian/vistrel/usr/lib/vistrel/$(basename -- "$file")"); fi
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "build-deb.sh: no programs found in $root/usr/lib/vistrel" >&2
  exit 1
fi
# Stripped as dh_strip does: no symbols, no compiler notes.
(cd "$work" && strip --remove-section=.comment --remove-section=.note -- "${programs[@]}")

mkdir -p -- "$root/DEBIAN"
depends=$(cd "$work" && dpkg-shlibdeps -O "${programs[@]/#/-e}" | sed -n 's/^shlibs:Depends=//p')
if [ -z "$depends" ]; then
  echo "build-deb.sh: dpkg-shlibdeps found no library dependencies" >&2
  exit 1
fi

# Installed-Size counted as dpkg-gencontrol does: KiB per file, rounded up,
# and one for every directory and link.
installed_size=$(find "$root" -mindepth 1 -printf '%y %s\n' |
  awk '$1 == "f" { kib += int(($2 + 1023) / 1024); next } { kib += 1 } END { print kib }')

{
  printf 'Package: vistrel\nVersion: %s\nArchitecture: %s\n' "$version" "$arch"
  printf 'Installed-Size: %s\nDepends: %s\n' "$installed_size" "$depends"
  # Commands the programs run rather than link, so no library names them:
  # the editor opens its help page in the browser through GTK, or xdg-open
  # where GTK knows no browser (and says so when neither works); the start
  # scripts also show their messages as desktop notifications when started
  # from the menu.
  printf 'Recommends: xdg-utils\nSuggests: libnotify-bin\n'
  cat -- "$here/control"
} >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 -- "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

# File dates no later than the newest changelog entry, so two builds of one
# version give the same package.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source_dir/packaging/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
dpkg-deb --root-owner-group "-Z$compression" --build "$root" "$deb.part" >/dev/null
mv -f -- "$deb.part" "$deb"
printf '%s\n' "$deb"
