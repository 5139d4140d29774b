#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with
# dpkg-buildpackage into build-deb/, and checks them with lintian. The
# upstream tarball holds the files that git knows (tracked or added), as they
# stand in the working tree, debian/ apart.
#
#     scripts/package.sh [--test] [--reproducible]
#
# --test          runs the package's autopkgtest against the built .deb, with
#                 the null runner: it installs the package on this machine
# --reproducible  builds the binary packages a second time from the source
#                 package, in another folder and later, with another umask
#                 and time zone, and compares the two sets of .deb files
#                 (diffoscope shows where they differ)
#
# The build installs dpkg-dev and the Build-Depends alone (so that a pristine
# Debian proves them complete); the tools that check it come afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
test=no reproducible=no
for option in "$@"; do
    case "$option" in
        --test) test=yes ;;
        --reproducible) reproducible=yes ;;
        *) echo "usage: scripts/package.sh [--test] [--reproducible]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh --package
source=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH
out=$PWD/build-deb
tree=$out/$source-$upstream
rm -rf "$out"
mkdir -p "$tree"

# Files listed by git, in a tar that depends on their contents alone.
archive() {
    tar --create --null --files-from=- --sort=name --mtime="@$SOURCE_DATE_EPOCH" \
        --owner=0 --group=0 --numeric-owner --mode=go-w "$@"
}
git ls-files -z -- . ':!:debian' |
    archive --transform="s|^|$source-$upstream/|" | xz -6 -T1 >"$out/${source}_$upstream.orig.tar.xz"
tar -xf "$out/${source}_$upstream.orig.tar.xz" -C "$out"
git ls-files -z -- debian | archive | tar -x -C "$tree"

echo "== $(date +%T) dpkg-buildpackage"
started=$SECONDS
(cd "$tree" && dpkg-buildpackage -us -uc -Jauto)
echo "== $(date +%T) built in $((SECONDS - started)) s"
changes=$out/${source}_${version}_$(dpkg-architecture -q DEB_HOST_ARCH).changes

scripts/install-deps.sh --package-checks
echo "== lintian --pedantic -I"
lintian --pedantic -I --fail-on error,warning "$changes"
for deb in "$out"/*.deb; do
    echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes, sha256 $(sha256sum <"$deb" | cut -c1-64)"
done
dpkg-deb --field "$out/${source}_${version}_"*.deb Installed-Size Depends

if [[ $test == yes ]]; then
    echo "== $(date +%T) autopkgtest"
    as_root autopkgtest "$changes" -- null
fi

if [[ $reproducible == yes ]]; then
    # A longer path than the first build's, a later time, other settings.
    again=$out/again/in/another/folder
    echo "== $(date +%T) the binary packages again, in $again"
    mkdir -p "$again"
    dpkg-source -x "$out/${source}_$version.dsc" "$again/$source-$upstream" >/dev/null
    (cd "$again/$source-$upstream" && umask 0002 && TZ=Pacific/Kiritimati \
        dpkg-buildpackage -b -us -uc -Jauto >"$again/build.log" 2>&1) ||
        { tail -30 "$again/build.log"; exit 1; }
    differ=0
    for deb in "$out"/*.deb; do
        if cmp -s "$deb" "$again/$(basename "$deb")"; then
            echo "== identical: $(basename "$deb")"
        else
            echo "== differ: $(basename "$deb")"
            diffoscope "$deb" "$again/$(basename "$deb")" || true
            differ=1
        fi
    done
    exit $differ
fi
