#!/usr/bin/env bash
# Builds the Bino 2 player that the end-to-end tests play launch scripts with, from the source
# archive the project keeps beside the repository, into a cache folder outside the tree. A build
# from the same archive is reused.
#
# Usage: tools/build-bino.sh [ARCHIVE]      prints the player's path on its last line
#   ARCHIVE              default: <repo>/../shared/players/bino-2.3.tar.gz
#   QUADREL_BINO_CACHE   cache root (default: ${XDG_CACHE_HOME:-$HOME/.cache}/quadrel)
#   JOBS                 parallel compile jobs (default: nproc)
# Exit status 3 when the archive is not there (the caller reports itself skipped), 2 when a
# package the build needs is missing, 1 when the build fails.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
archive=${1:-$repo/../shared/players/bino-2.3.tar.gz}
JOBS=${JOBS:-$(nproc)}
CACHE_ROOT=${QUADREL_BINO_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/quadrel}

if [ ! -f "$archive" ]; then
  echo "build-bino: no archive at $archive" >&2
  exit 3
fi
for p in qt6-multimedia-dev qt6-tools-dev libqt6opengl6-dev gstreamer1.0-libav; do
  if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    echo "build-bino: package $p is missing (make deps installs it)" >&2
    exit 2
  fi
done

name=$(basename "$archive" .tar.gz)
place="$CACHE_ROOT/$name"
stamp="$place/.quadrel-built-from"
sum=$(sha256sum "$archive" | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$sum" ] && [ -x "$place/build/bino" ]; then
  echo "build-bino: reusing $place/build/bino" >&2
  echo "$place/build/bino"
  exit 0
fi

started=$(date +%s)
rm -rf "$place"
mkdir -p "$place/src"
tar -xzf "$archive" -C "$place/src" --strip-components=1
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# The compiler cache of the machine is not used: the player is built once and kept.
cmake "${generator[@]}" -S "$place/src" -B "$place/build" -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$place/build" -j "$JOBS" >&2
echo "$sum" >"$stamp"
echo "build-bino: built $place/build/bino in $(( $(date +%s) - started )) s" >&2
echo "$place/build/bino"
