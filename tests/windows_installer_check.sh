#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The Windows installer under Wine: a silent install puts the program in
# Program Files with a Start-menu entry and an uninstaller that Windows lists
# under its installed apps; the installed program starts and closes; a
# silent uninstall leaves none of the files it installed.
#   tests/windows_installer_check.sh INSTALLER
set -euo pipefail
installer=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/session.sh"
start_x
start_wine

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Tempotik"
entry="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tempotik/Tempotik.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tempotik'
listed() { "$wine" reg query "$key" 2>&1 | tr -d '\r'; }
unlisted() { ! "$wine" reg query "$key" >/dev/null 2>&1; }

(cd "$scratch" && "$wine" "$installer" /S) || fail "the silent install failed"
[ -f "$folder/Tempotik.exe" ] || fail "nothing was installed in Program Files"
installed=$(cd "$drive" && find "Program Files/Tempotik" ProgramData -path '*Tempotik*' -type f)
echo "installed $(wc -l <<<"$installed") files"
[ -f "$entry" ] || fail "no Start-menu entry"
grep -q 'DisplayName    REG_SZ    Tempotik$' <<<"$(listed)" || fail "Windows does not list it under installed apps"
grep -q 'DisplayIcon    REG_SZ    C:\\Program Files\\Tempotik\\Tempotik.exe$' <<<"$(listed)" ||
    fail "Windows lists it without its icon"

(cd "$scratch" && "$wine" "$folder/Tempotik.exe" 2>"$scratch/stderr") &
app=$!
if window=$(tempotik_window); then
    "$here/window_probe.py" close "$window"
    finish 10 "$app" || fail "the installed program did not end well when closed"
else
    fail "the installed program showed no window"
fi

# The uninstaller copies itself away and returns at once, then removes all.
(cd "$scratch" && "$wine" "$folder/Uninstall.exe" /S) || fail "the silent uninstall failed"
gone() { [ ! -e "$folder" ] && [ ! -e "$entry" ] && unlisted; }
wait_for 30 "the uninstall to finish" gone || fail "the uninstall left files or its listing"
while read -r file; do
    [ ! -e "$drive/$file" ] || fail "the uninstall left $file"
done <<<"$installed"
[ "$failures" -eq 0 ] && echo "installed, started, closed and uninstalled"
