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
# Needs root (debootstrap, chroot, mounts) and a Debian archive.
#
# The archive is the one this machine's apt uses for its own Debian release (its sources.list,
# and the .list and deb822 .sources files of sources.list.d), and so is its security archive:
# a school's own mirror or caching proxy serves the new system too. Apt's HTTP proxy
# (Acquire::http::Proxy), when set, is used as well. Two variables choose others:
#
#   TABELORA_DEBIAN_MIRROR=URI           the archive (trixie and trixie-updates)
#   TABELORA_DEBIAN_SECURITY_MIRROR=URI  the security archive (trixie-security)
#
# The system's package sources are written afresh on every run, from these, and the system is
# brought up to date with them before anything is built.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/tabelora"
root="$cache/debian13"
ready="$root/.tabelora-ready"
host_clone="$cache/host-package"
# The compiler cache inside the system, which keeps later runs short.
chroot_ccache=/var/cache/tabelora-ccache

die() {
    echo "test-debian13: $*" >&2
    exit 1
}

# Every deb entry of the apt sources in the folder (/etc/apt), one line each: its URI and
# suite, once per URI and suite it names. Reads the one-line format (sources.list and
# sources.list.d/*.list) and deb822 (sources.list.d/*.sources), leaving out deb-src entries,
# comments and paragraphs marked Enabled: no.
apt_entries() {
    local f
    for f in "$1/sources.list" "$1"/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -E 's/^([ \t]*deb[ \t]+)\[[^]]*\]/\1/' "$f" |
            awk '$1 == "deb" {print $2, $3}'
    done
    for f in "$1"/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk '
            function flush(   u, s, nu, ns, uri, suite) {
                if (f["types"] ~ /(^|[ \t])deb([ \t]|$)/ && tolower(f["enabled"]) !~ /^[ \t]*no/) {
                    nu = split(f["uris"], uri)
                    ns = split(f["suites"], suite)
                    for (u = 1; u <= nu; u++)
                        for (s = 1; s <= ns; s++)
                            print uri[u], suite[s]
                }
                split("", f)
                name = ""
            }
            /^#/ {next}
            /^[ \t]*$/ {flush(); next}
            /^[ \t]/ {if (name != "") f[name] = f[name] " " $0; next}
            {
                name = tolower(substr($0, 1, index($0, ":") - 1))
                f[name] = substr($0, index($0, ":") + 1)
            }
            END {flush()}' "$f"
    done
}

# The URI of the first entry that debootstrap can read (over HTTP(S) or in a folder) whose
# suite is the release's own (codename) or, given a suffix (-security), that suite of it;
# Debian's aliases of a release (stable...) count as its name. Nothing when none is.
archive_of() { # apt folder, codename, [suffix]
    apt_entries "$1" | awk -v release="$2" -v suffix="${3:-}" '
        BEGIN {names = "^(" release "|oldstable|stable|testing|unstable)"}
        $1 !~ /^(https?|file):/ {next}
        $2 ~ (names suffix "$") || (suffix == "-security" && $2 ~ (names "/updates$")) {print $1; exit}'
}

# Sets mirror and security, the archives the new system uses: the variables' when set, else
# those this Debian machine's apt uses for its own release. Fails, saying which variable to
# set, when one is not found.
choose_archives() { # apt folder, os-release file
    local id="" codename=""
    [ -r "$2" ] && eval "$(. "$2" && printf "id=%q codename=%q" "${ID:-}" "${VERSION_CODENAME:-}")"
    [ "$id" = debian ] || codename=""
    mirror="${TABELORA_DEBIAN_MIRROR:-}"
    security="${TABELORA_DEBIAN_SECURITY_MIRROR:-}"
    if [ -z "$mirror" ] && [ -n "$codename" ]; then
        mirror="$(archive_of "$1" "$codename")"
    fi
    if [ -z "$security" ] && [ -n "$codename" ]; then
        security="$(archive_of "$1" "$codename" -security)"
    fi
    [ -n "$mirror" ] ||
        die "this machine's apt sources name no Debian archive of its release: set TABELORA_DEBIAN_MIRROR"
    [ -n "$security" ] ||
        die "this machine's apt sources name no Debian security archive: set TABELORA_DEBIAN_SECURITY_MIRROR"
}

# Sourced, as its own test does, the script stops here with its functions defined.
if [ "${BASH_SOURCE[0]}" != "$0" ]; then
    return 0
fi

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
    echo "Making Debian 13 in $root from $mirror"
    local proxy=()
    [ -z "$apt_proxy" ] || proxy=(http_proxy="${http_proxy:-$apt_proxy}")
    env "${proxy[@]}" debootstrap --variant=minbase trixie "$root" "$mirror" \
        >"$cache/debootstrap.log" 2>&1 || die "debootstrap failed: see $cache/debootstrap.log"
    # Services that packages would start stay down in a chroot.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    touch "$ready"
}

# The system's package sources, written on every run, so that a system made with other ones
# (or by an earlier version of this script, with no security or updates sources) takes these:
# the archive with the release's updates, and the security archive, in the deb822 form that
# Debian 13 uses; apt's proxy goes with them.
write_sources() {
    rm -f "$root/etc/apt/sources.list"
    cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: trixie trixie-updates
Components: main

Types: deb
URIs: $security
Suites: trixie-security
Components: main
EOF
    local conf="$root/etc/apt/apt.conf.d/01tabelora-proxy"
    if [ -n "$apt_proxy" ]; then
        printf 'Acquire::http::Proxy "%s";\n' "$apt_proxy" >"$conf"
    else
        rm -f "$conf"
    fi
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

choose_archives /etc/apt /etc/os-release
apt_proxy=""
eval "$(apt-config shell apt_proxy Acquire::http::Proxy)"
[ "$apt_proxy" != DIRECT ] || apt_proxy=""

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
write_sources
echo "Debian $(cat "$root/etc/debian_version") in $root, ready in $((SECONDS - start)) s;" \
    "packages from $mirror and $security"
inside "apt-get update -q && apt-get upgrade -y -q &&
        { command -v ccache >/dev/null || apt-get install -y -q --no-install-recommends ccache; }" ||
    die "could not bring the system up to date"
mkdir -p "$root/build"
clone_into "$root/build/tabelora" || die "could not clone $here"

check "the test command on Debian 13" test_command
check "the package built on Debian 13" package_there
check "the package built on $(. /etc/os-release && echo "$PRETTY_NAME") installed on Debian 13" host_package
check "the package built on Debian 13 installed there" package_there_installs

echo "Debian 13 run: $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
