#!/usr/bin/env bash
# The README's test command on a pristine Debian of the given release, as a
# new user runs it: a chroot that debootstrap makes from Debian's archive
# ($EULER_MIRROR, else deb.debian.org), a user with sudo, a clean clone of
# this repository's HEAD, then scripts/test.sh, which installs what it needs.
# With --plain, a plain build instead, with the program's build dependencies
# alone (scripts/install-deps.sh): cmake -B build -G Ninja, cmake --build build.
# With --package, the Debian package instead: scripts/package.sh --test
# --reproducible, which builds it with its Build-Depends alone, then runs
# lintian, the autopkgtest and a second build to compare.
# Needs root (debootstrap, mounts).
#
#     scripts/chroot-check.sh bookworm|trixie [--plain|--package]
#
# The chroot stays in $EULER_CHROOT_DIR/SUITE (/var/tmp/euler-chroot/SUITE)
# for a look afterwards; each run makes it anew.
set -euo pipefail
suite=${1:?usage: scripts/chroot-check.sh bookworm|trixie [--plain|--package]}
mode=${2:-}
mirror=${EULER_MIRROR:-http://deb.debian.org/debian}
project=$(cd "$(dirname "$0")/.." && pwd)
root=${EULER_CHROOT_DIR:-/var/tmp/euler-chroot}/$suite

[[ $(id -u) == 0 ]] || { echo "run as root: debootstrap and the mounts need it" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap

mounts=(proc dev dev/pts dev/shm)
unmount() {
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        mountpoint -q "$root/${mounts[i]}" && umount -l "$root/${mounts[i]}"
    done
    return 0
}
unmount
rm -rf "$root"
mkdir -p "$root"

echo "== $(date +%T) debootstrap $suite"
debootstrap --variant=minbase --include=sudo,git,ca-certificates "$suite" "$root" "$mirror" \
    >"$root.debootstrap.log" 2>&1 || { tail -20 "$root.debootstrap.log"; exit 1; }

trap unmount EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The certificate authorities that this machine adds to Debian's (a proxy of
# the site's network may sign with one), for apt, git and npm in the chroot.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
fi

chroot "$root" useradd --create-home --shell /bin/bash pupil
echo "pupil ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/pupil"
git clone --quiet "$project" "$root/home/pupil/euler-primes"
chroot "$root" chown -R pupil:pupil /home/pupil/euler-primes

case "$mode" in
    --plain) commands="scripts/install-deps.sh && cmake -B build -G Ninja && cmake --build build" ;;
    --package) commands="scripts/package.sh --test --reproducible" ;;
    *) commands="CI=${CI:-} scripts/test.sh" ;;
esac
echo "== $(date +%T) $commands, as a user with sudo"
started=$SECONDS
chroot "$root" runuser --login pupil -c "cd euler-primes && export LANG=C.UTF-8 \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt && $commands"
echo "== $(date +%T) passed on $suite in $((SECONDS - started)) s"
