# Sourced by the scripts that run Wine: quiet output, no Mono or Gecko offers, no menu entries, and
# 64-bit programs started through the 64-bit loader, since Debian's wrapper prefers the 32-bit one
# whenever wine32 is installed. 32-bit programs still start: the 64-bit loader hands them over.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# Makes a new prefix, with the folders above it. Where 32-bit programs run under an emulator, Wine's 32-bit
# set-up step would take many minutes under it: the prefix is made with the emulator switched off. The switch
# is machine-wide, so one lock for every worktree keeps a run from switching it back on under another's set-up.
# A prefix that cannot be made is reported in one line naming the step that failed, and the status is 1.
make_prefix() {
    local prefix=$1 emulator=/proc/sys/fs/binfmt_misc/qemu-i386 failed=
    mkdir -p "$(dirname "$prefix")" 2>/dev/null || failed="making its parent folder"
    if [ -z "$failed" ]; then
        exec 9>/tmp/tilfay-qemu-i386.lock
        flock 9
        [ -w "$emulator" ] && grep -q enabled "$emulator" && echo 0 >"$emulator" || emulator=
        WINEPREFIX="$prefix" "$wine" wineboot -i >/dev/null 2>&1 || failed="wineboot -i"
        WINEPREFIX="$prefix" "$wineserver" -w
        [ -n "$emulator" ] && echo 1 >"$emulator"
        flock -u 9
    fi
    # Without the 32-bit set-up step syswow64 stays empty, and a 32-bit program fails to find kernel32.dll:
    # Wine's 32-bit libraries go there as that step would put them (copies: Wine may rewrite them).
    local builtins=/usr/lib/i386-linux-gnu/wine/i386-windows syswow64="$prefix/drive_c/windows/syswow64"
    if [ -z "$failed" ] && [ -d "$builtins" ] && [ ! -e "$syswow64/kernel32.dll" ]; then
        cp -n "$builtins"/* "$syswow64"/ 2>/dev/null || failed="copying Wine's 32-bit libraries into syswow64"
    fi
    [ -z "$failed" ] && return 0
    echo "Cannot make the Wine prefix $prefix: $failed failed" >&2
    return 1
}
