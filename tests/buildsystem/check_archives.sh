#!/usr/bin/env bash
# tools/test-debian13.sh makes its system from the archives this machine's apt uses for its
# own Debian release, read from one-line and deb822 sources, unless the variables name others.
# Each case writes an apt folder and an os-release file into the scratch folder.
#
#   check_archives.sh path/to/test-debian13.sh scratch-folder
set -uo pipefail

scratch="$2"
rm -rf "$scratch" && mkdir -p "$scratch"
unset TABELORA_DEBIAN_MIRROR TABELORA_DEBIAN_SECURITY_MIRROR
# shellcheck source=/dev/null
source "$1" || { echo "FAIL: sourcing $1"; exit 1; }
set +e

failures=0
apt="$scratch/apt"
# machine ID CODENAME: a fresh apt folder and os-release; the files come from the cases.
machine() {
    rm -rf "$apt" && mkdir -p "$apt/sources.list.d"
    printf 'PRETTY_NAME="a machine"\nID=%s\nVERSION_CODENAME=%s\n' "$1" "$2" >"$scratch/os-release"
}
# expect MIRROR SECURITY: what choose_archives chooses; "fails VARIABLE" when it must stop
# and name that variable.
expect() {
    local got status
    got="$(choose_archives "$apt" "$scratch/os-release" 2>&1 && echo "$mirror $security")"
    status=$?
    if [ "$1" = fails ]; then
        [ $status -ne 0 ] && [[ "$got" == *"set $2"* ]] && return 0
    elif [ $status -eq 0 ] && [ "$got" = "$1 $2" ]; then
        return 0
    fi
    echo "FAIL at line ${BASH_LINENO[0]}: got \"$got\""
    failures=$((failures + 1))
}

# Debian 12's own deb822 file, after a paragraph that is switched off and one of sources only;
# an embedded key's lines belong to its field, whatever they say, and a field may go on over
# lines with comments among them.
machine debian bookworm
cat >"$apt/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://192.0.2.9/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb-src
URIs: http://192.0.2.8/debian
Suites: bookworm
Components: main

# The school's caching proxy.
types: deb
URIs: http://192.0.2.1:3142/debian http://192.0.2.2/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 Suites: bookworm-security
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
URIs:
# the proxy
 http://192.0.2.1:3142/debian-security
Suites: bookworm-security
Components: main
EOF
# A third party's source and a switched-off file say nothing of Debian.
echo 'deb https://192.0.2.7/apt cloud-sdk-bookworm main' >"$apt/sources.list.d/cloud.list"
printf 'Types: deb\nURIs: http://192.0.2.6/debian\nSuites: bookworm-security\n' \
    >"$apt/sources.list.d/old.sources.disabled"
expect http://192.0.2.1:3142/debian http://192.0.2.1:3142/debian-security

# The one-line format, read before sources.list.d: options, an installation disc, a list of
# mirrors (which only apt reads) and comments are passed over, and the old name of the
# security suite counts.
cat >"$apt/sources.list" <<'EOF'
deb mirror+file:/etc/apt/mirrors/debian.list bookworm main
deb cdrom:[Debian GNU/Linux 12.0.0 _Bookworm_ - Official amd64 DVD Binary-1]/ bookworm main
# deb http://192.0.2.9/debian bookworm main
deb-src http://192.0.2.8/debian bookworm main
  deb [ arch=amd64 signed-by=/etc/apt/lab.gpg ] http://192.0.2.3/debian bookworm main # the lab's
deb http://192.0.2.3/debian-security bookworm/updates main
EOF
expect http://192.0.2.3/debian http://192.0.2.3/debian-security

# A release named by its alias, and an archive in a local folder.
machine debian bookworm
printf 'deb file:/srv/debian stable main\ndeb http://192.0.2.4/security stable-security main\n' \
    >"$apt/sources.list"
expect file:/srv/debian http://192.0.2.4/security

# Another release's entries are not this one's.
machine debian trixie
printf 'deb http://192.0.2.4/debian bookworm main\n%s\n' \
    'deb http://192.0.2.4/security bookworm-security main' >"$apt/sources.list"
expect fails TABELORA_DEBIAN_MIRROR

# No security archive: it has to be named.
machine debian bookworm
echo 'deb http://192.0.2.4/debian bookworm main' >"$apt/sources.list"
expect fails TABELORA_DEBIAN_SECURITY_MIRROR
TABELORA_DEBIAN_SECURITY_MIRROR=http://192.0.2.5/security expect http://192.0.2.4/debian \
    http://192.0.2.5/security

# Another distribution's archive never serves Debian, whatever its suites are called.
machine ubuntu bookworm
echo 'deb http://192.0.2.4/ubuntu bookworm main' >"$apt/sources.list"
expect fails TABELORA_DEBIAN_MIRROR
TABELORA_DEBIAN_MIRROR=http://192.0.2.5/debian TABELORA_DEBIAN_SECURITY_MIRROR=http://192.0.2.5/s \
    expect http://192.0.2.5/debian http://192.0.2.5/s

[ "$failures" -eq 0 ] || exit 1
echo "the Debian 13 system takes this machine's Debian archives, or the variables'"
