#!/usr/bin/env bash
# wine_registry_check.sh: cross-compiles the Windows registry layer with
# MinGW-w64 and checks it under Wine against values written by reg.exe.
# Usage: wine_registry_check.sh <folder of the registry sources> <build folder>
set -euo pipefail

src=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cxx=x86_64-w64-mingw32-g++
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

for tool in "$(command -v "$cxx" || echo "$cxx")" "$wine" "$wineserver"; do
  if [ ! -x "$tool" ]; then
    echo "missing $tool: install g++-mingw-w64-x86-64 and wine64 (scripts/test does)" >&2
    exit 1
  fi
done

mkdir -p "$out"
exe=$out/wine_registry_check.exe
"$cxx" -std=c++20 -Wall -Wextra -Werror -O1 -static -I"$src" \
  "$here/wine_registry_check.cpp" "$src/get_key_value.cpp" "$src/registry_windows.cpp" -ladvapi32 -o "$exe"

# A prefix of our own, thrown away afterwards; Wine keeps its files, and the
# desktop files it would make, inside it.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/wirangga-wine.XXXXXX")
export WINEPREFIX=$scratch/prefix
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
export XDG_CACHE_HOME=$scratch/home/.cache
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Console programs only: nothing here needs a display, and none may be used.
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

cleanup() {
  "$wineserver" -k > /dev/null 2>&1 || true
  timeout 30 "$wineserver" -w > /dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Every step is bounded, so that a stuck Wine fails the check instead of
# hanging it.
timeout 180 "$wine" wineboot -i > /dev/null 2>&1

# The registry tool by its full path: a reg.exe in the current folder would
# be found first.
reg() { timeout 60 "$wine" 'C:\windows\system32\reg.exe' "$@" > /dev/null; }
key='HKLM\SOFTWARE\Wirangga Check'
reg add "$key" /v Tool /t REG_SZ /d 'C:\Program Files\Some Tool\msinfo32.exe' /f
reg add "$key" /v Big /t REG_DWORD /d 0x12345678 /f
reg add "$key" /v Small /t REG_DWORD /d 0x00ABCDEF /f
reg add "$key" /v Blob /t REG_BINARY /d 0102 /f
reg add "$key" /v Long /t REG_SZ /d "$(printf 'x%.0s' $(seq 1 1500))" /f
reg add "$key\\Überblick" /v 'Café' /t REG_SZ /d 'Café' /f

timeout 60 "$wine" "$exe" | tr -d '\r'
