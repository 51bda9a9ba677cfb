#!/usr/bin/env bash
# Tells whether this machine runs 32-bit x86 programs, by running one: some kernels run 64-bit
# programs only (IA-32 emulation off), and neither `uname -m` nor dpkg's architectures say so.
# The program is the smallest 32-bit Linux executable there is: it exits with status 42.
# Exits 0 when it ran; otherwise prints why not and exits 1.
set -euo pipefail
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# An ELF header, one loadable segment, and: mov eax, 1; mov ebx, 42; int 0x80 (exit(42)).
printf '%b' '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
    '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
    '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$folder/exit42"
chmod +x "$folder/exit42"
status=0
error=$("$folder/exit42" 2>&1) || status=$?
[ "$status" -eq 42 ] && exit 0
echo "a 32-bit program did not run here (exit status $status${error:+: ${error##*: }})"
exit 1
