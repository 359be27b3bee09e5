# Sourced by the other scripts: a 32-bit Wine prefix in the Chinese locale, and an X display.
#
# The ANSI code page follows the locale variables: with LANG and LC_ALL both zh_CN.UTF-8 it is 936, the
# code page of the program's texts. The glibc locale need not exist; bash's warning about it is harmless.
# Without a display, windows cannot be created: a private Xvfb is started when none is set.

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

start_private_display() {
    local display
    for display in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$display"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_private_display() {
    wineserver -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Creates the prefix once (about 20 seconds). A Chinese Windows has SimSun ("宋体"), the dialog's font;
# Wine has none, and its fallback is wider and taller, which stretches the dialog beyond the welcome
# picture. AR PL UMing, a Ming typeface like SimSun, has nearly its metrics and stands in for it. The
# registry file is read in the ANSI code page, so the Chinese name is written in GBK.
prepare_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        wineboot -i >/dev/null 2>&1
        local substitutes="$WINEPREFIX/simsun.reg"
        printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"SimSun"="AR PL UMing CN"\r\n"\xcb\xce\xcc\xe5"="AR PL UMing CN"\r\n' >"$substitutes"
        wine regedit /S "$substitutes" >/dev/null 2>&1
        wineserver -w
    fi
}
