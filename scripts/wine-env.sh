# Sourced by the scripts that run Wine: quiet output, no Mono or Gecko offers, no menu entries, and
# 64-bit programs started through the 64-bit loader, since Debian's wrapper prefers the 32-bit one
# whenever wine32 is installed. 32-bit programs still start: the 64-bit loader hands them over.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
