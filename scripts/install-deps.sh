#!/usr/bin/env bash
# Installs the Debian packages Vistrel needs to build, run and test.
# Asks apt only for what dpkg says is missing, so a set-up machine is left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libturbojpeg0-dev libx11-dev
  libwxgtk3.2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev fonts-dejavu-core libpng-dev
  libvorbis-dev libogg-dev espeak-ng
  libvips-dev libopencv-core-dev libopencv-imgproc-dev libopencv-photo-dev
  xvfb xauth xdotool x11-utils xfonts-base imagemagick
  desktop-file-utils appstream man-db
  mate-backgrounds python3-skimage plasma-workspace-wallpapers
)

# `install-deps.sh fuzz` adds the compiler the fuzz targets need (libFuzzer
# comes with clang's runtime); the normal set-up leaves it out.
if [ "${1:-}" = "fuzz" ]; then
  PACKAGES+=(clang libclang-rt-14-dev)
fi
# `install-deps.sh bench` adds what turns the benchmark results into the report.
if [ "${1:-}" = "bench" ]; then
  PACKAGES+=(python3)
fi

# `install-deps.sh deb` adds the checker `make deb` runs on the package.
if [ "${1:-}" = "deb" ]; then
  PACKAGES+=(lintian)
fi

# A stamp per package list: when the list is the one last found complete
# and dpkg's database has not changed since, nothing needs asking.
root=$(cd "$(dirname "$0")/.." && pwd)
stamp_dir=${VISTREL_DEPS_STAMP_DIR:-$root/build/.deps}
stamp=$stamp_dir/$(printf '%s\n' "${PACKAGES[@]}" | sha256sum | cut -c1-16)
dpkg_status=/var/lib/dpkg/status
if [ -e "$stamp" ] && [ ! "$dpkg_status" -nt "$stamp" ]; then
  exit 0
fi

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg -s "$pkg" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  mkdir -p "$stamp_dir" && touch "$stamp"
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
mkdir -p "$stamp_dir" && touch "$stamp"
