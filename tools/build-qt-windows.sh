#!/usr/bin/env bash
# Builds Qt for Windows (Core, Gui, Widgets, the windows platform plugin and the Windows style)
# with mingw-w64 from Debian's own source package of the host Qt, into a cache folder outside the
# tree. The version must be the host Qt's: the host's moc, rcc and uic serve the cross build.
#
# Usage: tools/build-qt-windows.sh            prints the install prefix on its last line
#   QUADREL_QT_WIN_CACHE   cache root (default: ${XDG_CACHE_HOME:-$HOME/.cache}/quadrel)
#   JOBS                   parallel compile jobs (default: nproc)
set -euo pipefail

SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
JOBS=${JOBS:-$(nproc)}
CACHE_ROOT=${QUADREL_QT_WIN_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/quadrel}

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$host_version" ]; then
  echo "build-qt-windows: the host Qt (qt6-base-dev) is not installed" >&2
  exit 2
fi
upstream=${host_version#*:}
upstream=${upstream%%+*}
upstream=${upstream%%-*}
prefix="$CACHE_ROOT/qt-$upstream-mingw-w64"
stamp="$prefix/.quadrel-built-from"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$host_version" ]; then
  echo "build-qt-windows: reusing $prefix (qt6-base $host_version)" >&2
  echo "$prefix"
  exit 0
fi

started=$(date +%s)
mkdir -p "$CACHE_ROOT"
work="$CACHE_ROOT/src-$upstream"

# A deb-src entry for the suite the host Qt came from, with the main entry's address and keyring.
if ! apt-get source --print-uris qt6-base="$host_version" >/dev/null 2>&1; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  uri=${uri:-http://deb.debian.org/debian}
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  printf 'Types: deb-src\nURIs: %s\nSuites: %s %s-updates\nComponents: main\nSigned-By: %s\n' \
    "$uri" "$codename" "$codename" "$keyring" |
    $SUDO tee /etc/apt/sources.list.d/quadrel-deb-src.sources >/dev/null
  $SUDO apt-get update -qq
fi
command -v dpkg-source >/dev/null || $SUDO apt-get install -y -qq --no-install-recommends dpkg-dev

rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq qt6-base="$host_version")
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -d "$src" ] || src=$(find "$work" -maxdepth 1 -type d -name 'qtbase-*' | head -n 1)
if [ ! -d "$src" ]; then
  echo "build-qt-windows: no unpacked source in $work" >&2
  exit 1
fi

toolchain=$(cd "$(dirname "$0")/.." && pwd)/cmake/mingw-w64.cmake
features=()
for f in sql network dbus printsupport testlib concurrent xml vulkan icu tabletevent; do
  features+=("-DFEATURE_$f=OFF")
done
for lib in zlib pcre2 harfbuzz freetype libpng libjpeg doubleconversion; do
  features+=("-DFEATURE_system_$lib=OFF")
done

rm -rf "$prefix"
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "${features[@]}" >"$work/configure.log" 2>&1 || {
  tail -n 40 "$work/configure.log" >&2
  exit 1
}
cmake --build "$work/build" --parallel "$JOBS" >"$work/build.log" 2>&1 || {
  tail -n 40 "$work/build.log" >&2
  exit 1
}
cmake --install "$work/build" >"$work/install.log" 2>&1
echo "$host_version" >"$stamp"
rm -rf "$work"

took=$(($(date +%s) - started))
echo "build-qt-windows: built Qt $upstream for Windows in $((took / 60)) min $((took % 60)) s into $prefix" >&2
echo "$prefix"
