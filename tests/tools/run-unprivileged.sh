#!/bin/sh
# run-unprivileged.sh SETPRIV TEST-PROGRAM ARGS...
# Runs a test program as the unprivileged user 65534. As root, read-only and unreadable files
# stop no one, so the cases about them only mean something as another user. That user may not
# reach the build folder (a clone under a private temporary folder), so the program runs from a
# copy in a fresh folder every user can read, with a temporary folder that user owns.
# Exit 77 (skipped) only when no such user exists here.
setpriv=$1
program=$2
shift 2
if [ "$(id -u)" != 0 ]; then exec "$program" "$@"; fi

place=$(mktemp -d /tmp/quadrel-unprivileged.XXXXXX) || exit 1
trap 'rm -rf "$place"' EXIT INT TERM
chmod 755 "$place"
cp "$program" "$place/" || exit 1
copy="$place/$(basename "$program")"
chmod 755 "$copy"
mkdir "$place/tmp" && chown 65534:65534 "$place/tmp" || exit 1

drop() {
  TMPDIR="$place/tmp" "$setpriv" --reuid=65534 --regid=65534 --clear-groups "$@"
}
drop test -x "$copy" || exit 77
drop "$copy" "$@"
