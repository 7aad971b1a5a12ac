#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need. Safe to run again:
# when every package is already there it returns at once without touching apt.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  mdbtools mdbtools-dev
  libsqlite3-dev
  liborcus-dev libixion-dev libxlsxwriter-dev xlsx2csv
  libssl-dev
  unixodbc-dev odbc-postgresql libsqliteodbc postgresql libpq-dev
  libcurl4-openssl-dev
  python3 python3-ezdxf python3-matplotlib
  qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
  poppler-utils zlib1g-dev libdeflate-dev
  libreadline-dev
  fp-utils
  xvfb xdotool x11-utils imagemagick
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
