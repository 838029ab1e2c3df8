# SPDX-License-Identifier: MIT
# Sourced by the scripts that run Windows programs under Wine in a prefix of
# their own, so that nothing depends on the user's ~/.wine.

# Points Wine at the prefix in folder $1: 64-bit, quiet, with no Mono or Gecko
# to offer (the programs need neither) and no menu entries on the host's
# desktop for the shortcuts, so that everything stays inside the prefix.
wine_settings() {
    mkdir -p "$1"
    export WINEPREFIX="$(realpath "$1")" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
}

# Makes the prefix WINEPREFIX names, unless it is made already: about 8 s;
# with Windows' own faces.
make_wine_prefix() {
    [[ -e "$WINEPREFIX/system.reg" ]] && return
    "$(dirname "${BASH_SOURCE[0]}")/wine-windows-faces" "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
}
