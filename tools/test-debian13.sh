#!/usr/bin/env bash
# Proves the current commit on Debian 13 (trixie):
#
#   tools/test-debian13.sh      (./build.sh test-debian13)
#
# Makes a minimal Debian 13 system with debootstrap once, into
# ${XDG_CACHE_HOME:-~/.cache}/tabelora/debian13, and reuses it from then on. Each run puts a
# clean clone of HEAD into it (uncommitted changes are not part of the run) and, inside it
# through chroot, runs the test command, builds the Debian package, installs the package built
# on this machine and then the one built there, and starts each with --idioma ca --help.
# Needs root (debootstrap, chroot, mounts) and deb.debian.org.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/tabelora"
root="$cache/debian13"
ready="$root/.tabelora-ready"
host_clone="$cache/host-package"
mirror="http://deb.debian.org/debian"
# The compiler cache inside the system, which keeps later runs short.
chroot_ccache=/var/cache/tabelora-ccache

die() {
    echo "test-debian13: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || die "needs root for debootstrap, chroot and mounts: run it with sudo"
commit="$(git -C "$here" rev-parse HEAD)" || die "$here is not a git clone"
if [ -n "$(git -C "$here" status --porcelain --untracked-files=no)" ]; then
    echo "Note: uncommitted changes are not tested; this run tests $commit."
fi

# What is mounted at or below the system's root, deepest first.
mounts_below() {
    awk -v r="$root" '$2 == r || index($2, r "/") == 1 {print $2}' /proc/self/mounts | sort -r
}

# Processes that a run started inside the system and left behind (an X server of a test that
# failed) would keep its mounts busy.
stop_leftovers() {
    local p left=()
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && left+=("${p#/proc/}")
    done
    [ ${#left[@]} -eq 0 ] && return 0
    kill "${left[@]}" 2>/dev/null || true
    sleep 1
}

unmount_all() {
    local m
    stop_leftovers
    for m in $(mounts_below); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
}

# A system whose making was cut short is made again from nothing. Its mounts go first, so
# that removing it never reaches the host's /dev.
make_system() {
    [ -f "$ready" ] && return 0
    unmount_all
    rm -rf --one-file-system "$root"
    mkdir -p "$cache"
    command -v debootstrap >/dev/null || {
        apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
    } || die "could not install debootstrap"
    echo "Making Debian 13 in $root"
    debootstrap --variant=minbase trixie "$root" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        die "debootstrap failed: see $cache/debootstrap.log"
    echo "deb $mirror trixie main" >"$root/etc/apt/sources.list"
    # Services that packages would start stay down in a chroot.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    touch "$ready"
}

enter() {
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount --bind /dev/shm "$root/dev/shm"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
}

# Runs a shell command inside, as root, with a clean environment.
inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" DEBIAN_FRONTEND=noninteractive \
        CCACHE_DIR="$chroot_ccache" CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache \
        /bin/bash -euo pipefail -c "$1"
}

passed=0
failed=0
check() { # name, then the command that checks
    local name="$1" began=$SECONDS
    shift
    echo "---- $name"
    if "$@"; then
        echo "PASS   : $name ($((SECONDS - began)) s)"
        passed=$((passed + 1))
    else
        echo "FAIL!  : $name ($((SECONDS - began)) s)"
        failed=$((failed + 1))
    fi
}

# A fresh clone of the commit in dir, its builds gone.
clone_into() {
    rm -rf "$1"
    git clone -q --no-local "$here" "$1" && git -C "$1" checkout -q --detach "$commit"
}

# Help in Catalan proves that the program starts and finds its translations.
starts_in_catalan='out="$(tabelora --idioma ca --help)"; printf "%s\n" "$out"; grep -q "^Ús: tabelora" <<<"$out"'

test_command() {
    inside "cd /build/tabelora && ./build.sh test"
}

package_there() {
    inside "cd /build/tabelora && ./build.sh package && ls build-package/tabelora_*.deb"
}

# The package made on this machine, installed into Debian 13 as a pupil's school would.
host_package() {
    local deb
    local launcher=()
    command -v ccache >/dev/null && launcher=(CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache)
    (clone_into "$host_clone" && cd "$host_clone" && env "${launcher[@]}" ./build.sh package) || return 1
    deb="$(ls "$host_clone"/build-package/tabelora_*.deb)" || return 1
    cp "$deb" "$root/build/host.deb" || return 1
    inside "apt-get purge -y -q tabelora >/dev/null 2>&1 || true
            apt-get install -y -q /build/host.deb
            $starts_in_catalan"
}

package_there_installs() {
    inside "apt-get purge -y -q tabelora >/dev/null 2>&1 || true
            apt-get install -y -q /build/tabelora/build-package/tabelora_*.deb
            $starts_in_catalan"
}

start=$SECONDS
mkdir -p "$cache"
exec 9>"$cache/debian13.lock"
flock -n 9 || die "another run is using $root"
make_system
trap unmount_all EXIT
trap 'exit 130' INT TERM
# Mounts that a run killed outright left behind go before new ones are made.
unmount_all
enter
echo "Debian $(cat "$root/etc/debian_version") in $root, ready in $((SECONDS - start)) s"
inside "command -v ccache >/dev/null ||
        { apt-get update -q && apt-get install -y -q --no-install-recommends ccache; }"
mkdir -p "$root/build"
clone_into "$root/build/tabelora" || die "could not clone $here"

check "the test command on Debian 13" test_command
check "the package built on Debian 13" package_there
check "the package built on $(. /etc/os-release && echo "$PRETTY_NAME") installed on Debian 13" host_package
check "the package built on Debian 13 installed there" package_there_installs

echo "Debian 13 run: $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
