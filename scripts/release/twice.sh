#!/usr/bin/env bash
# Makes the release of one commit twice and passes only if both folders hold
# the same bytes: the proof that a release can be verified by building it
# again. The two runs differ as a second builder's would: the folder (and its
# depth), the time of day, the user's name and home, the umask, the time zone
# and the locale. Both use the caller's cache of Qt for Windows
# (EULER_WINDOWS_CACHE), which the release does not hold: a Qt built in
# another folder gives the same program, but would take the run an hour.
# Signed Windows files differ in their signatures: the installer and the
# package are compared by what their signatures cover (osslsigncode
# extract-data). The zip and the installer hold the signed program, whose
# signature's time differs: prove the build with an unsigned release.
#
#     scripts/release/twice.sh [COMMIT]     (HEAD if none)
set -euo pipefail
project=$(cd "$(dirname "$0")/../.." && pwd)
commit=$(git -C "$project" rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d "${TMPDIR:-/tmp}/euler-release-twice.XXXXXX")
trap 'rm -rf "$work"' EXIT
export EULER_WINDOWS_CACHE=${EULER_WINDOWS_CACHE:-$HOME/.cache}

# release FOLDER UMASK TZ LOCALE USER: the release of $commit, made in FOLDER.
release() {
    local folder=$1
    git clone --quiet --no-checkout "$project" "$folder"
    git -C "$folder" checkout --quiet --detach "$commit"
    mkdir -p "$work/home-$5"
    echo "== $(date +%T) a release in $folder (umask $2, TZ=$3, LC_ALL=$4, USER=$5)"
    (cd "$folder" && umask "$2" &&
        env TZ="$3" LC_ALL="$4" LANG="$4" USER="$5" LOGNAME="$5" HOME="$work/home-$5" \
            scripts/release.sh) >"$folder.log" 2>&1 ||
        { tail -40 "$folder.log" >&2; echo "twice: the release in $folder failed" >&2; exit 1; }
}
release "$work/a" 022 UTC C.UTF-8 teacher
release "$work/second/builder/b" 077 Pacific/Kiritimati bg_BG.UTF-8 admin

one=$(echo "$work"/a/release/*/)
two=$(echo "$work"/second/builder/b/release/*/)
[[ $(basename "$one") == $(basename "$two") ]] || { echo "twice: $one and $two" >&2; exit 1; }
differ=0
while read -r _ name; do
    if cmp -s "$one/$name" "$two/$name"; then
        echo "same      $name"
    elif [[ $name == *.exe || $name == *.msi ]] &&
        osslsigncode extract-data -in "$one/$name" -out "$work/1-$name" >/dev/null &&
        osslsigncode extract-data -in "$two/$name" -out "$work/2-$name" >/dev/null &&
        cmp -s "$work/1-$name" "$work/2-$name"; then
        echo "same but the signature  $name"
    else
        echo "DIFFERENT $name: $(cmp -l "$one/$name" "$two/$name" 2>/dev/null | wc -l) bytes"
        differ=1
    fi
done <"$one/SHA256SUMS"
cmp -s "$one/SHA256SUMS" "$two/SHA256SUMS" || [[ $differ == 1 ]] ||
    echo "SHA256SUMS differ only by the signatures"
(( differ == 0 )) || { echo "twice: the two releases differ; diffoscope shows how" >&2; exit 1; }
echo "twice: both releases of $commit are the same"
