#!/usr/bin/env bash
# scripts/setup.sh against a package archive caught mid-sync, through a stub apt-get early on the PATH: the
# update fails on the 32-bit security index every time, and wine32:i386 installs only from the release's
# own suite. A suite that fails too must stop set-up with apt's reason and the packages.
set -uo pipefail
setup=$(realpath "$(dirname "$0")/../../scripts/setup.sh")
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
cat >"$stubs/dpkg-query" <<'STUB'
#!/bin/sh
case "$*" in *wine32:i386*) [ -e "$STUBS/installed" ] || exit 1 ;; esac
echo 'install ok installed'
STUB
cat >"$stubs/apt-get" <<'STUB'
#!/bin/sh
echo "$*" >>"$STUBS/calls"
case "$*" in
update*) echo 'E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?'
    exit 100 ;;
*" -t "*) [ -e "$STUBS/suite-broken" ] || { touch "$STUBS/installed"; exit 0; } ;;
esac
echo ' zlib1g:i386 : Breaks: zlib1g (!= 1:1.2.13.dfsg-1) but 1:1.2.13.dfsg-1+deb12u1 is to be installed'
echo 'E: Unable to correct problems, you have held broken packages.'
exit 100
STUB
chmod +x "$stubs/dpkg-query" "$stubs/apt-get"
run() { env STUBS="$stubs" PATH="$stubs:$PATH" bash "$setup" 2>&1; }

suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
output=$(run) || fail "set-up ended with status $? on the broken archive: $output"
echo "$output"
[ "$(grep -c '^update' "$stubs/calls")" -eq 2 ] || fail "the update was not tried exactly twice"
grep -q "could not fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz;" \
    <<<"$output" || fail "the index that could not be fetched is not named"
grep -q -- "-t $suite wine32:i386" "$stubs/calls" || fail "the install was not tried again from $suite"
output=$(run) || fail "the second run ended with status $?"
[ -z "$output" ] || fail "the second run printed: $output"

rm "$stubs/installed"
touch "$stubs/suite-broken"
output=$(run) && fail "set-up succeeded though $suite could not install either"
echo "$output"
grep -q 'Unable to correct problems' <<<"$output" && grep -q "could not install wine32:i386, from $suite" <<<"$output" ||
    fail "the stop does not give apt's reason and the package"
