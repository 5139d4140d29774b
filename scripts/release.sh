#!/usr/bin/env bash
# Every download of this version, from a clean checkout of a commit, into
# release/euler-primes-VERSION/: the Debian source package and the binary
# .deb (scripts/package.sh), the Windows installer, Windows Installer package
# and portable zip (scripts/windows.sh), the web site as an archive for a
# school's server (scripts/web.sh), a release note for the teacher in
# Bulgarian (ЗА-УЧИТЕЛЯ.md), and SHA256SUMS over all of them. Then it checks
# what it wrote as a stranger would (release/check.sh). Installs what it
# needs. The same commit gives the same files; docs/release.md says how to
# verify that, and what may differ (the Windows files' signatures).
#
#     scripts/release.sh
#
# The Windows files are signed where the environment names a certificate
# (scripts/windows/sign.sh); otherwise the release is unsigned, and its note
# says so.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -n $(git status --porcelain --untracked-files=normal) ]]; then
    echo "refused: the tree has uncommitted changes; a release is made from a commit" >&2
    git status --short >&2
    exit 1
fi
# Whatever the caller's settings, the files come out the same.
export LC_ALL=C.UTF-8 TZ=UTC
umask 022
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
step() { echo "== $(date +%T) $*"; }

step "the Debian packages"
scripts/package.sh
source=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
out=$PWD/release/$source-$upstream
rm -rf "$out"
mkdir -p "$out"
# The program's package, not its debugging symbols' (-dbgsym), which a
# school has no use for.
cp build-deb/*.dsc build-deb/*.orig.tar.* build-deb/*.debian.tar.* \
    "build-deb/${source}_${version}_$(dpkg --print-architecture).deb" "$out/"

step "the Windows downloads"
# Made again, whatever an earlier build left: they record the commit's time,
# which a build of the same program from an earlier commit did not have.
rm -rf build-windows/out
scripts/windows.sh --no-tests
cp build-windows/out/*{-setup.exe,.msi,.zip} "$out/"   # this version's alone

step "the web site"
scripts/web.sh
site=$source-$upstream-site
tar --create --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --transform="s|^site|$site|" -C build-web site |
    gzip -9 -n >"$out/$site.tar.gz"

step "the release note"
# Signed or not as the files are, whatever the environment meant.
signed=no
if scripts/windows/signed.sh "$out"/*-setup.exe; then
    signed=yes
fi
scripts/release/note.py NEWS.md "$upstream" "$signed" "$out" >"$out/ЗА-УЧИТЕЛЯ.md"

(cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
    xargs -d '\n' sha256sum >SHA256SUMS)
step "written: $out"
(cd "$out" && ls -l)

scripts/release/check.sh "$out"
