#!/usr/bin/env bash
# Sourced by the run and test scripts: the project's own Wine prefix, quiet and without
# Mono/Gecko prompts. Creates the prefix (with Japanese font replacements) the first time.
VISTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VISTREL_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# rasapi32 native first: a test loads a stand-in that checks record sizes as Windows does; with
# none beside a program, Wine's own library is taken as before.
export WINEDLLOVERRIDES="mscoree,mshtml=;rasapi32=n,b"
export WINEARCH=win64

# The process of this prefix only: other Wine prefixes may be running on the machine.
vistrel_pid_of() {
    local p
    for p in $(pgrep -f "$1"); do
        if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$p"
            return
        fi
    done
}

# The test program's windows (and those of the dialog benchmarks) are not handed to a window
# manager: there is none on the virtual display, and without one Wine waits two seconds for
# every captioned window (a dialog) that is hidden or destroyed. The clock itself stays as it is.
vistrel_unmanaged_tests() {
    local stamp="$WINEPREFIX/.vistrel-unmanaged-tests-2" program
    [ -f "$stamp" ] && return 0
    for program in vistrel_tests.exe alarm_view_bench_win.exe; do
        wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
            /v Managed /d N /f >/dev/null 2>&1 || return 0
    done
    touch "$stamp"
}

vistrel_prepare_prefix() {
    if [ -f "$WINEPREFIX/.vistrel-ready" ]; then
        vistrel_unmanaged_tests
        return 0
    fi
    echo "Preparing the Wine prefix in $WINEPREFIX (once)..."
    mkdir -p "$WINEPREFIX"
    wineboot -u >/dev/null 2>&1 || true
    wineserver -w
    local reg="$WINEPREFIX/vistrel-fonts.reg"
    # regedit reads UTF-16 for version 5 files; the font names are Japanese.
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
        printf '"MS PGothic"="IPAPGothic"\r\n'
        printf '"ＭＳ ゴシック"="IPAGothic"\r\n'
        printf '"MS Gothic"="IPAGothic"\r\n'
        printf '"MS UI Gothic"="IPAPGothic"\r\n'
        printf '"ＭＳ Ｐ明朝"="IPAPGothic"\r\n'
        printf '"ＭＳ 明朝"="IPAGothic"\r\n'
        printf '"MS Shell Dlg"="IPAPGothic"\r\n'
        printf '"MS Shell Dlg 2"="IPAPGothic"\r\n'
        printf '\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
    wineserver -w
    vistrel_unmanaged_tests
    touch "$WINEPREFIX/.vistrel-ready"
}
