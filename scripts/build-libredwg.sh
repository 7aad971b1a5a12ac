#!/usr/bin/env bash
# Builds the vendored LibreDWG (third_party/libredwg) once, into a folder of its own outside the
# build folders, so that every build of the project on this machine (the g++ build, the
# sanitizer build, other checkouts) links the same library and tests against the same dwg2dxf.
# The folder is named after the version and a hash of the sources (not their notes), this
# script and the compiler; when it holds a finished build the script only prints its path.
# Concurrent runs wait for each other.
#
#   scripts/build-libredwg.sh            build when needed; the folder on standard output
#
# VELLORIA_THIRD_PARTY_DIR chooses where the folders go (default ~/.cache/velloria).
# Only the library and dwg2dxf are built: the library without its DWG writer, its DXF and JSON
# importers and its JSON output (the host never writes DWG), reading and DXF output complete.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir=$root/third_party/libredwg
version=$(tr -d '[:space:]' < "$source_dir/.version")
# One build whichever compiler the project is built with (the sanitizer build may use another):
# a static C library links the same into either.
cc=cc
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# -O2 with assertions on: a damaged drawing that trips one stops the child at once.
options=(
  -DCMAKE_BUILD_TYPE=None
  -DCMAKE_C_FLAGS=-O2
  -DCMAKE_C_COMPILER="$cc"
  -DBUILD_SHARED_LIBS=OFF
  -DBUILD_TESTING=OFF
  -DENABLE_LTO=OFF
  -DDISABLE_WERROR=ON
  -DLIBREDWG_DISABLE_WRITE=ON
  -DLIBREDWG_DISABLE_JSON=ON
)

key=$(
  {
    cat "${BASH_SOURCE[0]}"
    "$cc" --version 2>/dev/null | head -1
    cd "$source_dir" && find . -type f ! -name '*.md' -print0 | LC_ALL=C sort -z | xargs -0 sha1sum
  } | sha1sum | cut -c1-12
)
base=${VELLORIA_THIRD_PARTY_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/velloria}
prefix=$base/libredwg-$version-$key
stamp=$prefix/built

mkdir -p "$base"
exec 9>"$prefix.lock"
flock 9

if [ ! -f "$stamp" ]; then
  echo "Building LibreDWG $version into $prefix (once; a few minutes)" >&2
  rm -rf "$prefix"
  mkdir -p "$prefix"
  start=$(date +%s)
  # LibreDWG's CMake files read the version from .version in the folder they are run in.
  if ! (cd "$source_dir" && cmake -S . -B "$prefix/build" "${options[@]}" && cmake --build "$prefix/build" -j "$jobs" --target dwg2dxf) \
      > "$prefix/build.log" 2>&1; then
    tail -40 "$prefix/build.log" >&2
    echo "LibreDWG did not build; the whole log is in $prefix/build.log" >&2
    exit 1
  fi
  echo "LibreDWG $version built in $(( $(date +%s) - start )) s" >&2
  touch "$stamp"
fi
echo "$prefix"
