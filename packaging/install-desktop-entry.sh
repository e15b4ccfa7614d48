#!/bin/sh
# Adds Quadrel from this folder to the current user's application menu, or removes it again:
#   ./install-desktop-entry.sh            install
#   ./install-desktop-entry.sh --remove   remove
# Quadrel keeps its files beside its executable, so the entry points at this very folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry="$data/applications/quadrel.desktop"
icon="$data/icons/hicolor/scalable/apps/quadrel.svg"

if [ "${1:-}" = "--remove" ]; then
  rm -f "$entry" "$icon"
  echo "Removed $entry"
  exit 0
fi

mkdir -p "$data/applications" "$(dirname "$icon")"
cp "$here/quadrel.svg" "$icon"
# Exec takes the path quoted, so folders with blanks work.
escaped=$(printf '%s' "$here/quadrel" | sed 's/[\\"`$]/\\&/g')
# ... and the result once more for sed's replacement text.
exec_line=$(printf 'Exec="%s"' "$escaped" | sed 's/[\\&|]/\\&/g')
icon_line=$(printf 'Icon=%s' "$icon" | sed 's/[\\&|]/\\&/g')
sed -e "s|^Exec=.*|$exec_line|" -e "s|^Icon=.*|$icon_line|" \
  "$here/quadrel.desktop" > "$entry.tmp"
mv "$entry.tmp" "$entry"
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$data/applications" || true
echo "Installed $entry"
