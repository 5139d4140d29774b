#!/usr/bin/env bash
# The README's test command on a pristine Debian of the given release, as a
# new user runs it: a chroot that debootstrap makes from Debian's archive
# ($EULER_MIRROR, else deb.debian.org, with the suite's updates and security
# updates as an installed Debian has them), a user with sudo, a clean clone of
# this repository's HEAD, then scripts/test.sh, which installs what it needs.
# With --plain, a plain build instead, with the program's build dependencies
# alone (scripts/install-deps.sh): cmake -B build -G Ninja, cmake --build build.
# With --package, the Debian package instead: scripts/package.sh
# --reproducible, which builds it with its Build-Depends alone, then runs
# lintian and a second build to compare; then the package's autopkgtest in a
# second pristine chroot, a testbed that holds nothing but Debian's minimal
# system, so that a test dependency missing from debian/tests/control fails
# here first.
# With --start, the README's first command: scripts/start.sh on a private X
# server (the chroot gets Xvfb and xdotool to look with), which passes once
# the program's window has appeared; the window is then closed.
# With --windows, scripts/windows.sh end to end: Qt and GoogleTest built for
# Windows into empty caches, the tests under Wine, the packages made, signed
# with a certificate made for the check, and installed under Wine.
# With --web, scripts/web.sh --test: the page built and tested with the web
# build's own set of packages alone (install-deps.sh --web).
# With --release, scripts/release.sh, whose own check round-trips the Windows
# installers under Wine and tests the site's archive; then the release's .deb
# goes through its autopkgtest in a second pristine chroot, as with --package.
# Needs root (debootstrap, mounts).
#
#     scripts/chroot-check.sh bookworm|trixie [--plain|--package|--start|--windows|--web|--release]
#
# The chroot stays in $EULER_CHROOT_DIR/SUITE (/var/cache/euler-primes/chroot/SUITE)
# for a look afterwards; each run makes it anew. Root works there alone: the
# folder and every folder above it must be root's and writable by root alone
# (else another user could swap what root writes and runs), and one run of a
# suite at a time holds it.
set -Eeuo pipefail
# A step that fails is named last, whatever it printed before.
trap 'status=$?; echo "== $(date +%T) FAILED ($status): $BASH_COMMAND" >&2' ERR
usage="usage: scripts/chroot-check.sh bookworm|trixie [--plain|--package|--start|--windows|--web|--release]"
suite=${1:?$usage}
mode=${2:-}
mirror=${EULER_MIRROR:-http://deb.debian.org/debian}
security_mirror=${EULER_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
project=$(cd "$(dirname "$0")/.." && pwd)
base=${EULER_CHROOT_DIR:-/var/cache/euler-primes/chroot}
root=$base/$suite
case "$mode" in
    ""|--plain|--package|--start|--windows|--web|--release) ;;
    *) echo "$usage" >&2
       exit 2 ;;
esac

[[ $(id -u) == 0 ]] || { echo "run as root: debootstrap and the mounts need it" >&2; exit 1; }

# Ends the script unless FOLDER and each folder above it belong to root and
# no one else may write there.
owned_by_root() {
    local folder owner mode
    folder=$(realpath -m "$1")
    while :; do
        if [[ -e $folder ]]; then
            read -r owner mode < <(stat -c '%u %a' "$folder")
            if [[ $owner != 0 ]] || (( 8#$mode & 8#022 )); then
                echo "refused: $folder belongs to user $owner with mode $mode;" \
                    "the chroot needs a folder that root alone may write, all the way up" \
                    "(EULER_CHROOT_DIR)" >&2
                exit 1
            fi
        fi
        [[ $folder == / ]] && return 0
        folder=$(dirname "$folder")
    done
}
umask 022
owned_by_root "$base"
install -d -m 0755 "$base"
owned_by_root "$base"
exec {lock}>"$base/$suite.lock"
if ! flock --nonblock "$lock"; then
    echo "== $(date +%T) another run on $suite holds $base/$suite.lock: waiting"
    flock "$lock"
fi

command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap

mounts=(proc dev dev/pts dev/shm)
# Ends every process whose root is the chroot DIR, then unmounts what was
# mounted into it. Whatever failed before, nothing of the host stays
# reachable.
unmount() {
    local dir=$1 process inside
    for process in /proc/[0-9]*; do
        inside=$(readlink "$process/root" 2>/dev/null) || continue
        if [[ $inside == "$dir" || $inside == "$dir"/* ]]; then
            kill -KILL "${process#/proc/}" 2>/dev/null || true
        fi
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        if mountpoint -q "$dir/${mounts[i]}"; then
            umount "$dir/${mounts[i]}" || umount -l "$dir/${mounts[i]}"
        fi
    done
    return 0
}
chroots=()
trap 'for dir in "${chroots[@]}"; do unmount "$dir"; done' EXIT

# Makes DIR a pristine Debian of the suite, with INCLUDE's packages (a
# comma-separated list, or none), the host's /proc and /dev, name servers
# and, where it has ca-certificates, the certificate authorities that this
# machine adds to Debian's (a proxy of the site's network may sign with one,
# for apt, git and npm in the chroot).
pristine() {
    local dir=$1 include=$2
    unmount "$dir"
    # Never across into another file system, such as a /dev still bound in.
    rm -rf --one-file-system "$dir"
    mkdir -p "$dir"
    echo "== $(date +%T) debootstrap $suite into $dir"
    debootstrap --variant=minbase ${include:+--include=$include} "$suite" "$dir" "$mirror" \
        >"$dir.debootstrap.log" 2>&1 || { tail -20 "$dir.debootstrap.log"; exit 1; }
    chroots+=("$dir")
    # The sources of a Debian as installed: its updates and security updates
    # too, which bring the browsers' current versions (debootstrap writes the
    # release alone).
    cat >"$dir/etc/apt/sources.list" <<SOURCES
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security_mirror $suite-security main
SOURCES
    mount -t proc proc "$dir/proc"
    mount --bind /dev "$dir/dev"
    mount --bind /dev/pts "$dir/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$dir/dev/shm"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    if [[ -d $dir/usr/local/share/ca-certificates ]] &&
        compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
        cp /usr/local/share/ca-certificates/*.crt "$dir/usr/local/share/ca-certificates/"
        chroot "$dir" update-ca-certificates >/dev/null
    fi
}

pristine "$root" sudo,git,ca-certificates
chroot "$root" useradd --create-home --shell /bin/bash pupil
echo "pupil ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/pupil"
git clone --quiet "$project" "$root/home/pupil/euler-primes"
chroot "$root" chown -R pupil:pupil /home/pupil/euler-primes

case "$mode" in
    --plain) commands="scripts/install-deps.sh && cmake -B build -G Ninja && cmake --build build" ;;
    --package) commands="scripts/package.sh --reproducible" ;;
    --windows) commands="scripts/windows.sh" ;;
    --release) commands="CI=${CI:-} scripts/release.sh" ;;
    --web) commands="CI=${CI:-} scripts/web.sh --test" ;;
    --start)
        shown="scripts/start.sh on a private X server, until its window appears"
        chroot "$root" apt-get update -qq
        chroot "$root" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends xvfb xdotool >/dev/null
        commands="source scripts/lib.sh && with_x_server 1024x768x24 bash -c '
            source scripts/form.sh
            scripts/start.sh & start=\$!
            window=\$(timeout 1800 xdotool search --sync --onlyvisible --name \"\$form_caption\" |
                     head -1) || { echo \"the window never appeared\" >&2; kill \$start; exit 1; }
            echo \"the window appeared: \$(xdotool getwindowname \$window)\"
            kill \$(xdotool getwindowpid \$window)
            wait \$start || true'" ;;
    *) commands="CI=${CI:-} scripts/test.sh" ;;
esac
echo "== $(date +%T) ${shown:-$commands}, as a user with sudo"
started=$SECONDS
chroot "$root" runuser --login pupil -c "cd euler-primes && export LANG=C.UTF-8 \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt && $commands"
echo "== $(date +%T) passed on $suite in $((SECONDS - started)) s"

if [[ $mode == --package || $mode == --release ]]; then
    testbed=$root-testbed
    pristine "$testbed" ""
    chroot "$testbed" apt-get update -qq
    command -v autopkgtest >/dev/null || apt-get install -y --no-install-recommends autopkgtest
    echo "== $(date +%T) autopkgtest in $testbed"
    started=$SECONDS
    clone=$root/home/pupil/euler-primes
    if [[ $mode == --package ]]; then
        autopkgtest "$clone"/build-deb/*.changes -- chroot "$testbed"
    else
        # The downloads themselves: the tests of the source package, against
        # its .deb as a school installs it.
        autopkgtest --no-built-binaries "$clone"/release/*/*.deb "$clone"/release/*/*.dsc \
            -- chroot "$testbed"
    fi
    echo "== $(date +%T) the autopkgtest passed in a pristine $suite in $((SECONDS - started)) s"
fi
