#!/usr/bin/env bash
# Succeeds if the Windows program, installer or package carries an
# Authenticode signature (trusted or not: osslsigncode verify tells that).
#
#     signed.sh FILE
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
osslsigncode extract-signature -in "$1" -out "$work/signature" >/dev/null 2>&1
