#!/usr/bin/env bash
# Runs a build's picture reader over every file of the variant corpus and compares what it
# made of each with the record both builds are held to.
#   compare.sh <corpus folder> <record> <program> [its runner...]
set -euo pipefail
corpus=$1 record=$2
shift 2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
cd "$corpus"
mapfile -t files < <(LC_ALL=C ls -- *.bmp | LC_ALL=C sort)
"$@" "${files[@]}" | tr -d '\r' >"$out"
if ! diff -u "$record" "$out"; then
    echo "The pictures above decode differently from the record ($record)." >&2
    exit 1
fi
echo "${#files[@]} picture files: as recorded."
