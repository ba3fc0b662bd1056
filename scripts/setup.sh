#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Quillmaze needs.
# Idempotent: packages already present are skipped, so a second run costs a few seconds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-svg-dev libgl-dev libvulkan-dev
  # the window tests resize the offscreen screen through its native interface
  qt6-base-private-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev
  libhunspell-dev libmythes-dev
  hunspell-en-us hunspell-en-gb hunspell-es hunspell-it hunspell-fr
  hunspell-de-de hunspell-nl hunspell-sv
  mythes-en-us mythes-en-au
  fonts-liberation fonts-liberation2 fontconfig
  xdg-utils
  # the install test: desktop entry, AppStream and MIME checks
  desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl file
  # the printing test: a private cupsd with a cups-pdf queue (tests/cups)
  cups cups-client cups-filters printer-driver-cups-pdf ghostscript poppler-utils
  # independent readers of the metafiles the program writes (tests/core/report)
  libwmf-bin emf2svg
  # the fuzz targets (scripts/fuzz.sh): clang with libFuzzer and its symbolizer
  clang-14 libclang-rt-14-dev llvm-14
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
