#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The Windows zip holds one program that runs by itself: every library it
# imports is one of Windows' own. Beside it are the licences, and nothing of
# the build's. The program carries its icon at every size Windows shows.
#   tests/windows_folder_check.sh ZIP
set -euo pipefail
zip=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/session.sh"
unzip -q "$zip" -d "$scratch"
folder=$scratch/$(basename "$zip" .zip)

# Windows' own libraries, which Qt and the MinGW runtime use.
windows="advapi32 authz comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr msvcrt
    netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm ws2_32
    wtsapi32 api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0
    api-ms-win-core-winrt-string-l1-1-0"
imports=$(x86_64-w64-mingw32-objdump -p "$folder/Tempotik.exe" | sed -n 's/^\s*DLL Name: //p')
for import in $imports; do
    name=${import,,}
    [[ " ${windows//$'\n'/ } " == *" ${name%.dll} "* ]] ||
        fail "Tempotik.exe imports $import, which is not one of Windows' own"
done
echo "Tempotik.exe imports $(wc -w <<<"$imports") libraries: $(echo $imports)"

expected="LICENSE.txt
Tempotik.exe
licences/Carlito-font.txt
licences/GCC-runtime.txt
licences/GPL-3.txt
licences/MinGW-w64.txt
licences/Qt-LGPL-3.txt
licences/Qt-copyright.txt
licences/Qt-source.txt"
listed=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$listed" = "$expected" ] || { fail "the folder holds other files:" && diff <(echo "$expected") <(echo "$listed") || true; }
grep -q "qt6-base=" "$folder/licences/Qt-source.txt" || fail "Qt-source.txt does not say where Qt's source comes from"
[[ "$(x86_64-w64-mingw32-objdump -p "$folder/Tempotik.exe")" == *"(Windows GUI)"* ]] ||
    fail "Tempotik.exe is not a GUI program"
# Explorer, the taskbar and the Start menu each find the size they show.
wrestool -x -t 14 "$folder/Tempotik.exe" >"$scratch/icon.ico"
sizes=$(icotool -l "$scratch/icon.ico" |
    sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2x\3/' | xargs)
[ "$sizes" = "32x32x8 16x16x8 48x48x8 256x256x32" ] || fail "Tempotik.exe's icon holds $sizes"
[ "$failures" -eq 0 ]
