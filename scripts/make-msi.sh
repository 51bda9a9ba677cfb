#!/usr/bin/env bash
# Makes the Windows Installer package (.msi) from a staged install of the Windows build (the
# files `cmake --install build-windows --prefix <folder>` puts there), with wixl, Debian's
# builder of MSI packages, from data/windows/brimblet.wxs.
# Usage: scripts/make-msi.sh <staged folder> <version, as 1.2.3> <output .msi>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stage=$(cd "$1" && pwd)
version=$2
out=$(realpath -m "$3")
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "make-msi.sh: '$version' is not a version" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl reads a file's path relative to the folder it runs in, and no absolute path.
ln -s "$stage" "$work/stage"
cp "$root/assets/icons/brimblet.ico" "$work/"
(cd "$work" && wixl --arch x86 -D Version="$version" -D Stage=stage -D Icon=brimblet.ico \
    -o package.msi "$root/data/windows/brimblet.wxs" 2>"$work/wixl.log") ||
    { cat "$work/wixl.log" >&2; exit 1; }
mv "$work/package.msi" "$out"
