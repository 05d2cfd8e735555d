#!/usr/bin/env bash
# Installs what building, running and testing need and makes 32-bit Windows programs runnable; quiet when
# all is there, otherwise one line says what it changed outside the project.
set -euo pipefail

packages=(
    cmake make python3 g++ g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 wine32:i386 fonts-wine fonts-liberation libxrender1 libxi6 libxrandr2 libxcursor1 libxfixes3
    libxcomposite1 libxinerama1 libxxf86vm1 xvfb xdotool x11-apps x11-utils imagemagick googletest clang-format
    wixl msitools zip unzip
)
loader32=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
emulator=/usr/bin/qemu-i386-static
# The lock that scripts/wine-run.sh holds while it switches the emulator off to make a prefix.
binfmt_lock=/tmp/tilfay-qemu-i386.lock

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
changed=()
updated=

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

install_packages() {
    local missing=() p
    for p in "$@"; do installed "$p" || missing+=("$p"); done
    [ ${#missing[@]} -eq 0 ] && return
    if [[ "${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
        changed+=("added the i386 package architecture")
    fi
    [ -n "$updated" ] || update_lists
    updated=1
    local log suite
    log=$(mktemp)
    if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
        # An archive caught mid-sync can list newer 64-bit than 32-bit versions of a multi-arch library;
        # the release's own suite lists both at one version.
        suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        [ -n "$suite" ] || { cat "$log" >&2; echo "setup: could not install ${missing[*]}" >&2; exit 1; }
        echo "setup: ${missing[*]} could not be installed as listed; trying again from $suite alone"
        if ! $sudo apt-get install -y -qq --no-install-recommends -t "$suite" "${missing[@]}" >"$log" 2>&1; then
            grep -E '^(E:| )' "$log" >&2 || cat "$log" >&2
            echo "setup: could not install ${missing[*]}, from $suite either" >&2
            exit 1
        fi
    fi
    rm -f "$log"
    changed+=("installed ${missing[*]}")
}

# A failed update (an index that changed while it was fetched) is tried once more; after that the lists that
# did arrive are used, and the install below falls back to the release's own suite where they disagree.
update_lists() {
    local log
    log=$(mktemp)
    if ! $sudo apt-get update -qq >"$log" 2>&1 && ! $sudo apt-get update -qq >"$log" 2>&1; then
        local failed
        failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' "$log" | tr '\n' ' ')
        failed=${failed% }
        echo "setup: apt-get update could not fetch ${failed:-its lists ($(grep -m1 '^E:' "$log"))}; going on with the lists there are"
    fi
    rm -f "$log"
}

# Wine's 32-bit loader starts (exit 0 or 1, not 126 "Exec format error"), natively or through the emulator.
runs_32bit() {
    local status=0
    "$loader32" --version >/dev/null 2>&1 || status=$?
    [ $status -lt 126 ]
}

# Where the kernel cannot run 32-bit x86 programs, every one of them (Wine's 32-bit loader included, also
# when Wine starts it itself) runs under qemu; flag F opens the emulator now, so it works in any mount
# namespace. A machine that runs them natively is left alone.
enable_emulator() {
    runs_32bit && return
    install_packages qemu-user-static
    if [ ! -e "$binfmt/register" ]; then
        $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
        changed+=("mounted binfmt_misc")
    fi
    exec 9>"$binfmt_lock"
    flock 9
    if [ -e "$binfmt/qemu-i386" ]; then
        if ! grep -q enabled "$binfmt/qemu-i386"; then
            echo 1 | $sudo tee "$binfmt/qemu-i386" >/dev/null
            changed+=("switched on the qemu-i386 handler in binfmt_misc")
        fi
    else
        local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
        local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
        echo ":qemu-i386:M::$magic:$mask:$emulator:F" | $sudo tee "$binfmt/register" >/dev/null
        changed+=("registered $emulator for 32-bit x86 programs in binfmt_misc (flag F)")
    fi
    flock -u 9
    runs_32bit || { echo "setup: 32-bit programs still do not run through $emulator" >&2; exit 1; }
}

install_packages "${packages[@]}"
enable_emulator
if [ ${#changed[@]} -gt 0 ]; then
    summary=$(printf '%s; ' "${changed[@]}")
    echo "setup changed this machine: ${summary%; }"
fi
