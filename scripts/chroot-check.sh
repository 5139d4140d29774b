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
# With --start, the README's first command: scripts/start.sh on a private X
# server (the chroot gets Xvfb and xdotool to look with), which passes once
# the program's window has appeared; the window is then closed.
# Needs root (debootstrap, mounts).
#
#     scripts/chroot-check.sh bookworm|trixie [--plain|--package|--start]
#
# The chroot stays in $EULER_CHROOT_DIR/SUITE (/var/tmp/euler-chroot/SUITE)
# for a look afterwards; each run makes it anew.
set -euo pipefail
suite=${1:?usage: scripts/chroot-check.sh bookworm|trixie [--plain|--package|--start]}
mode=${2:-}
mirror=${EULER_MIRROR:-http://deb.debian.org/debian}
project=$(cd "$(dirname "$0")/.." && pwd)
root=${EULER_CHROOT_DIR:-/var/tmp/euler-chroot}/$suite
case "$mode" in
    ""|--plain|--package|--start) ;;
    *) echo "usage: scripts/chroot-check.sh bookworm|trixie [--plain|--package|--start]" >&2
       exit 2 ;;
esac

[[ $(id -u) == 0 ]] || { echo "run as root: debootstrap and the mounts need it" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap

mounts=(proc dev dev/pts dev/shm)
# Ends every process whose root is the chroot, then unmounts what was mounted
# into it. Whatever failed before, nothing of the host stays reachable.
unmount() {
    local process
    for process in /proc/[0-9]*; do
        local inside
        inside=$(readlink "$process/root" 2>/dev/null) || continue
        if [[ $inside == "$root" || $inside == "$root"/* ]]; then
            kill -KILL "${process#/proc/}" 2>/dev/null || true
        fi
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        if mountpoint -q "$root/${mounts[i]}"; then
            umount "$root/${mounts[i]}" || umount -l "$root/${mounts[i]}"
        fi
    done
    return 0
}
unmount
# Never across into another file system, such as a /dev still bound in.
rm -rf --one-file-system "$root"
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
    --start)
        chroot "$root" apt-get update -qq
        chroot "$root" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends xvfb xdotool >/dev/null
        commands="source scripts/lib.sh && with_x_server 1024x768x24 bash -c '
            scripts/start.sh & start=\$!
            window=\$(timeout 1800 xdotool search --sync --onlyvisible --name Информатика |
                     head -1) || { echo \"the window never appeared\" >&2; kill \$start; exit 1; }
            echo \"the window appeared: \$(xdotool getwindowname \$window)\"
            kill \$(xdotool getwindowpid \$window)
            wait \$start || true'" ;;
    *) commands="CI=${CI:-} scripts/test.sh" ;;
esac
echo "== $(date +%T) $commands, as a user with sudo"
started=$SECONDS
chroot "$root" runuser --login pupil -c "cd euler-primes && export LANG=C.UTF-8 \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt && $commands"
echo "== $(date +%T) passed on $suite in $((SECONDS - started)) s"
