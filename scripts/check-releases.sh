#!/usr/bin/env bash
# The program on other Debian releases than this machine's, each in a chroot:
#   test SCRATCH_DIR SUITE...       the README's test command (scripts/test.sh) from a clean clone of HEAD, in a
#                                   fresh minimal system of each release (debootstrap's minbase with git), as root
#   run SCRATCH_DIR SUITE COMMAND.. any command the same way, in the clone's folder (the desktop checks, say)
#   sbuild SCRATCH_DIR DSC SUITE... the source package built by sbuild in a clean chroot of each release, and
#                                   judged there by that release's own lintian (--pedantic -I -E): no tag but
#                                   those one package for every release brings (tests/packaging/checks.sh)
# A minimal system is made once with debootstrap and kept as a tarball in /var/cache/testola (made again after a
# week), so that each run unpacks a fresh copy; the packages apt fetches inside are kept there too, one cache per
# release. sbuild's chroots are made once with sbuild-createchroot, in /srv/chroot/SUITE-amd64-sbuild.
# An archive whose Release file is past its Valid-Until date (unstable's, on a mirror no longer synced) is
# reported in one line, and that chroot's apt is told not to check the date.
# Usage: scripts/check-releases.sh test SCRATCH_DIR SUITE... | run SCRATCH_DIR SUITE COMMAND... |
#                                  sbuild SCRATCH_DIR DSC SUITE...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${releases_packages[@]}"
command=$1
scratch=$2
shift 2
# Every log goes here, the first debootstrap's too.
mkdir -p "$scratch"
cache=/var/cache/testola
architecture=$(dpkg --print-architecture)

SECONDS=0
step() { printf -- '-- %s (at %d s)\n' "$*" "$SECONDS"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
# Runs a command with its output in a log (the first argument), shown only when it fails.
logged() { "${@:2}" >"$1" 2>&1 || { tail -n 60 "$1"; fail "${*:2} (the whole log: $1)"; }; }

# Makes the apt of the system in a folder accept its archive's Release file when that is past its Valid-Until
# date, and only then: tried with apt-get update checking the date, said in one line, and set in the system's
# own apt configuration (taken out again once an update passes). An update that fails otherwise (another apt
# holding the chroot's lock, say) leaves the setting as it was, and is said too.
accept_expired_release() {
    local root=$1 suite=$2 log setting=$1/etc/apt/apt.conf.d/99testola-expired-release
    log=$(mktemp)
    if chroot "$root" apt-get update -q -o Acquire::Check-Valid-Until=true >"$log" 2>&1; then
        rm -f "$setting"
    elif grep -q 'is expired' "$log"; then
        echo "$suite: the archive's Release file is past its Valid-Until date ($(grep -o 'invalid since [^)]*' "$log" |
            head -n 1)); this chroot's apt does not check the date (Acquire::Check-Valid-Until \"false\")."
        echo 'Acquire::Check-Valid-Until "false";' >"$setting"
    else
        echo "$suite: apt-get update failed ($(grep -m 1 '^E: ' "$log" || true)); its settings are left as they were."
    fi
    rm -f "$log"
}

# A fresh minimal system of SUITE in the folder ROOT, unpacked from the cached tarball (made first if missing or
# older than a week).
fresh_system() {
    local suite=$1 root=$2 tarball=$cache/$1-$architecture-minbase.tar
    mkdir -p "$cache"
    if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
        step "$suite: debootstrap --variant=minbase --include=git (kept as $tarball)"
        remove_system "$root.debootstrap"
        logged "$scratch/$suite-debootstrap.log" \
            debootstrap --variant=minbase --include=git "$suite" "$root.debootstrap"
        # Without the packages debootstrap fetched: they are installed, and would double the tarball.
        tar -C "$root.debootstrap" --exclude='./var/cache/apt/archives/*.deb' -cf "$tarball.new" .
        mv "$tarball.new" "$tarball"
        remove_system "$root.debootstrap"
    fi
    step "$suite: a fresh minimal system from $tarball"
    mkdir -p "$root"
    tar -C "$root" -xf "$tarball"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

mounted=()
# Mounts what a program in the chroot expects of a running system (unmounted again at exit): the kernel's
# /proc and /sys, and a /dev of its own with the usual devices, pseudo-terminals and shared memory; nothing of
# the host's but the folder of apt's cached packages for this release, kept for the next run.
# Usage: mount_system ROOT SUITE
mount_system() {
    local root=$1 node name major minor
    mount -t proc proc "$root/proc" && mounted+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
    mount -t tmpfs -o mode=755,nosuid dev "$root/dev" && mounted+=("$root/dev")
    for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
        IFS=: read -r name major minor <<<"$node"
        mknod -m 666 "$root/dev/$name" c "$major" "$minor"
    done
    mkdir "$root/dev/pts" "$root/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
    ln -s pts/ptmx "$root/dev/ptmx"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
    ln -s /proc/self/fd "$root/dev/fd"
    ln -s /proc/self/fd/0 "$root/dev/stdin"
    ln -s /proc/self/fd/1 "$root/dev/stdout"
    ln -s /proc/self/fd/2 "$root/dev/stderr"
    mkdir -p "$cache/apt/$2"
    mount --bind "$cache/apt/$2" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
}
unmount_all() {
    local point
    for point in "${mounted[@]}"; do umount -R "$point" || umount -R -l "$point"; done
    mounted=()
}
# Removes a chroot's folder, but never while anything is mounted beneath it.
remove_system() {
    ! findmnt -rn -o TARGET | grep -q "^$1/" || fail "something is still mounted in $1; it is left as it is"
    rm -rf --one-file-system "$1"
}
trap unmount_all EXIT

# A command as a new user runs it, from a clean clone of HEAD, in a fresh minimal system of a release, its
# output in a log. The system is removed again afterwards.
# Usage: run_on SUITE LOG COMMAND...
run_on() {
    local suite=$1 log=$2 root=$scratch/$1
    remove_system "$root"
    fresh_system "$suite" "$root"
    git clone -q . "$root/root/testola"
    mount_system "$root" "$suite"
    accept_expired_release "$root" "$suite"
    step "$suite: ${*:3} in a clean clone"
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 sh -c 'cd /root/testola && exec "$@"' sh "${@:3}" >"$log" 2>&1 ||
        { tail -n 60 "$log"; fail "${*:3} on $suite (the whole log: $log)"; }
    unmount_all
    remove_system "$root"
}

# scripts/test.sh in a fresh minimal system of each release.
test_on() {
    local suite
    for suite in "$@"; do
        run_on "$suite" "$scratch/$suite-test.log" scripts/test.sh
        echo "$suite: $(grep -E 'tests passed, [0-9]+ tests failed out of' "$scratch/$suite-test.log")"
    done
    step "done"
}

# The sbuild chroot of SUITE, made the first time.
sbuild_chroot() {
    local suite=$1 root=/srv/chroot/$1-$architecture-sbuild
    schroot -l | grep -qx "chroot:$suite-$architecture-sbuild" && return 0
    step "$suite: sbuild-createchroot $root"
    logged "$scratch/$suite-chroot.log" sbuild-createchroot "$suite" "$root"
}

# The source package built by sbuild in each release's chroot, and that release's lintian on the result. The
# chroot is named apart from the distribution, which stays debian/changelog's in the .changes.
sbuild_on() {
    local dsc=$1 suite log distribution
    dsc=$(realpath "$dsc")
    distribution=$(dpkg-parsechangelog -S Distribution)
    for suite in "${@:2}"; do
        sbuild_chroot "$suite"
        accept_expired_release "/srv/chroot/$suite-$architecture-sbuild" "$suite"
        step "$suite: sbuild, then lintian --pedantic -I -E in the chroot"
        mkdir -p "$scratch/sbuild-$suite"
        (cd "$scratch/sbuild-$suite" && logged "$scratch/sbuild-$suite.log" \
            sbuild --dist="$distribution" --chroot="$suite-$architecture-sbuild" --run-lintian --lintian-opts="--pedantic -I -E" \
                --no-run-autopkgtest "$dsc")
        log=$(find "$scratch/sbuild-$suite" -name "*_$architecture.build" | head -n 1)
        grep -E '^(Status|Lintian|Build-Time):' "$log"
        # What lintian printed, between sbuild's lines before and after it.
        echo "$suite: lintian says:"
        sed -n '/^Running lintian\.\.\.$/,/Lintian run \(was successful\|failed\)/{//!p}' "$log" |
            tests/packaging/checks.sh lintian_report_clean || fail "lintian on $suite"
    done
    step "done"
}

case $command in
test) test_on "$@" ;;
run) run_on "$1" "$scratch/$1-run.log" "${@:2}" && tail -n 20 "$scratch/$1-run.log" ;;
sbuild) sbuild_on "$@" ;;
*) fail "unknown command $command (test, run or sbuild)" ;;
esac
