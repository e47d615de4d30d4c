#!/bin/sh
# Creates (once) a private Wine prefix and selects its display driver.
#   wine-prefix.sh <prefix-dir> <null|x11> [classic]
# "classic" switches visual styles off in that prefix; otherwise they stay on.
set -eu
prefix=$1
driver=$2
theme=${3:-themed}
export WINEPREFIX="$prefix" WINEDEBUG=-all

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
active=1
[ "$theme" = classic ] && active=0
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d $active /f >/dev/null 2>&1
wineserver -w
