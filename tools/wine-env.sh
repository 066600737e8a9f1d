# Sourced: prepares a Wine prefix and a display for running the Windows builds.
#   wine_env_start PREFIX [force-xvfb]   export WINEPREFIX, DISPLAY, WINEDEBUG; warm a wineserver
#   wine_env_stop                        stop what wine_env_start started, by its own ids
#   wine_for TREE                        the Wine loader of a tree (i686 or x86_64)
#   wine32_available                     true when 32-bit Wine (wine32:i386) is installed
# A virtual display (Xvfb) is started when there is no DISPLAY or when asked to. One
# 64-bit prefix runs both trees' programs, 32-bit ones through its syswow64.
WINE=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver
TOVREX_XVFB_PID=

wine32_available() { [ -x "$WINE32" ] && dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; }

wine_for() { if [ "$1" = i686 ]; then echo "$WINE32"; else echo "$WINE"; fi; }

wine_env_start() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -z "${DISPLAY:-}" ] || [ "${2:-}" = force-xvfb ]; then
    # Xvfb picks a free display itself and writes its number to the file we give it.
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    TOVREX_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      [ -s "$number_file" ] && break
      kill -0 "$TOVREX_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    local number
    number=$(head -n 1 "$number_file" | tr -dc 0-9)
    rm -f "$number_file"
    if [ -z "$number" ]; then
      echo "wine-env: cannot start a virtual display (Xvfb -displayfd gave no display)" >&2
      wine_env_stop
      return 1
    fi
    export DISPLAY=:$number
  fi
  # A prefix made before 32-bit Wine was installed has no syswow64 and runs no 32-bit
  # program: made anew.
  if wine32_available && [ -f "$WINEPREFIX/system.reg" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # With no window manager Wine waits 2 s whenever a top-level window hides unless
    # it manages windows itself; a crash must fail a run, not open winedbg's dialog.
    $WINE wineboot --init </dev/null >/dev/null 2>&1
    $WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    $WINE reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
    # Wine's own fonts make "Helv" and "MS Sans Serif" dialog units match Windows.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    $WINESERVER -w </dev/null >/dev/null 2>&1
  fi
  # One warm server for the whole run; its stdio must not hold a reader's pipe open.
  $WINESERVER -p </dev/null >/dev/null 2>&1
  $WINE cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && $WINESERVER -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$TOVREX_XVFB_PID" ]; then
    kill "$TOVREX_XVFB_PID" 2>/dev/null || true
    wait "$TOVREX_XVFB_PID" 2>/dev/null || true
    TOVREX_XVFB_PID=
  fi
}
