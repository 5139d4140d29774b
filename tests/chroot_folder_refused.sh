#!/usr/bin/env bash
# scripts/chroot-check.sh, run by root, refuses a folder that another user
# could have made first, and touches nothing in it. Needs root (as CI has);
# skipped otherwise.
set -euo pipefail
[[ $(id -u) == 0 ]] || { echo "skipped: needs root"; exit 77; }
planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT
chown nobody "$planted"
status=0
said=$(EULER_CHROOT_DIR="$planted/chroot" EULER_MIRROR=http://127.0.0.1:9/ \
    "$1/scripts/chroot-check.sh" bookworm 2>&1) || status=$?
echo "$said"
[[ $status == 1 && $said == *refused* ]] || { echo "not refused (status $status)"; exit 1; }
[[ -z $(ls -A "$planted") ]] || { echo "wrote into the planted folder"; exit 1; }
