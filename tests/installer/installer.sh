#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Windows program under Wine as a user's silent install would:
# first an older version, then the new one over it. Checks that one program,
# one Start-menu entry and one entry in the list of installed programs
# remain, with the texts the user sees; that the installed program starts
# and passes the end-to-end run of tests/e2e/e2e-windows.sh; that a project
# file opens in it as Explorer's double-click opens it; and that the silent
# uninstall leaves no file, shortcut or registry key of the program behind. The Wine prefix is made afresh in the folder of the new
# installer's build. Needs a display (tests/support/with-xvfb); starts cupsd
# for the end-to-end run, so run it under flock /tmp/pali-cups.lock.
# Usage: tests/installer/installer.sh NEW-setup.exe OLD-setup.exe CONTROL-CENTRES MESSAGE-TEXT.exe [CA.pem]
#   CONTROL-CENTRES, MESSAGE-TEXT.exe: the tools of the end-to-end run
#   CA.pem: the certificate the new release was signed with; the installed
#   program and uninstaller must then carry signatures it verifies.
set -euo pipefail
new_setup="$(realpath "$1")"
old_setup="$(realpath "$2")"
control_centres="$(realpath "$3")"
message_text="$(realpath "$4")"
ca="${5:+$(realpath "$5")}"
version_of() { [[ "$(basename "$1")" =~ ^portanza-pali-(.+)-setup\.exe$ ]] && echo "${BASH_REMATCH[1]}"; }
new_version="$(version_of "$new_setup")"
old_version="$(version_of "$old_setup")"

name="Portanza dei pali"
publisher="The portanza-pali developers"
description="Portanza dei pali per terreni incoerenti"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\portanza-pali'
extension_key='HKCU\Software\Classes\.pali'
type_key='HKCU\Software\Classes\PortanzaPali.Progetto'

source "$(dirname "$0")/../support/wine-prefix.sh"
prefix="$(dirname "$new_setup")/../installer-test/wine-prefix"
rm -rf "$prefix"
wine_settings "$prefix"
make_wine_prefix

passed=0 failed=0
check() {
  local what="$1"; shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what" >&2
  fi
}
equal() { [[ "$1" == "$2" ]] || { echo "  '$1' is not '$2'" >&2; return 1; }; }
not() { ! "$@" >/dev/null 2>&1; }
contains() { grep -qF -- "$2" <<<"$1" || { echo "  '$2' is missing" >&2; return 1; }; }

# Runs a Windows program and waits for it and everything it started.
run() { wine "$@"; wineserver -w; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
reg_default() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n "s/^ *(Default) *REG_[A-Z_]* *//p"; }
unix_path() { realpath -m "$(winepath -u "$1" 2>/dev/null)"; }
shell_folder() { reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' "$1"; }
start_menu="$(unix_path "$(shell_folder Programs)")"
temp_dir="$(unix_path "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')")"
local_programs="$(unix_path "$(shell_folder 'Local AppData')\\Programs")"
recent_dir="$(unix_path "$(shell_folder Recent)")"
# Every file and folder of the prefix but Windows' own folder and three that
# are not the program's: the user's temporary folder, where the uninstaller
# runs from a copy of itself that Windows deletes at a restart (and only
# then, and only for an administrator); the user's recent documents, which
# are the user's history, not the program's; and Windows' known folder of
# per-user programs, %LOCALAPPDATA%\Programs, which a fresh Wine prefix
# lacks and the installer creates as Windows would.
user_files() {
  find "$WINEPREFIX/drive_c" \( -path "$WINEPREFIX/drive_c/windows" -o -path "$temp_dir" \
       -o -path "$recent_dir" \) -prune -o ! -path "$local_programs" -print | sort
}
shortcuts_of_ours() { find "$start_menu" -iname "*$name*" | sort; }

# The pages speak the user's language: Italian on an Italian system, English
# on any other. The installer is left at its first page.
first_page_title() {
  LC_ALL="$1" wine "$new_setup" &
  xdotool getwindowname "$(timeout 60 xdotool search --sync --onlyvisible --pid $! | head -1)"
  wineserver -k
  wait || true
}
check "Italian pages on an Italian system" equal "$(first_page_title it_IT.UTF-8)" "Installazione di $name"
check "English pages on any other" equal "$(first_page_title de_DE.UTF-8)" "$name Setup"

files_before="$(user_files)"
check "$old_version is older than $new_version" \
  equal "$(printf '%s\n' "$new_version" "$old_version" | sort -V | head -1)" "$old_version"

run "$old_setup" /S
check "the older version $old_version is installed" equal "$(reg_value "$key" DisplayVersion)" "$old_version"
run "$new_setup" /S

# One program, one entry, the shortcuts once.
install_dir_windows="$(reg_value "$key" InstallLocation)"
install_dir="$(unix_path "$install_dir_windows")"
program="$install_dir/portanza-pali.exe"
check "installed for the user under %LOCALAPPDATA%\\Programs" \
  equal "$install_dir_windows" "$(shell_folder 'Local AppData')\\Programs\\$name"
check "one program, the new one" \
  equal "$(find "$WINEPREFIX/drive_c" -iname 'portanza-pali*.exe' | sort)" "$program"
check "the program is the one of the release" cmp -s "$program" "$(dirname "$new_setup")/portanza-pali.exe"
check "one entry in the installed programs" \
  equal "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
           grep -c "DisplayName.*$name")" 1
check "the shortcuts once each" \
  equal "$(shortcuts_of_ours)" \
  "$start_menu/$name - Manuale.lnk"$'\n'"$start_menu/$name - Validazione.lnk"$'\n'"$start_menu/$name.lnk"

# The texts the user sees.
check "entry: name" equal "$(reg_value "$key" DisplayName)" "$name"
check "entry: version" equal "$(reg_value "$key" DisplayVersion)" "$new_version"
check "entry: publisher" equal "$(reg_value "$key" Publisher)" "$publisher"
check "entry: icon" equal "$(reg_value "$key" DisplayIcon)" "\"$install_dir_windows\\portanza-pali.exe\",0"
check "entry: uninstall command" \
  equal "$(reg_value "$key" UninstallString)" "\"$install_dir_windows\\uninstall.exe\""
size_kb=$(( $(reg_value "$key" EstimatedSize) ))
actual_kb=$(( $(find "$install_dir" -type f -printf '%s+')0 ))
actual_kb=$((actual_kb / 1024))
check "entry: size $size_kb KiB, the files' $actual_kb KiB" test "$size_kb" -ge $((actual_kb - 4)) -a "$size_kb" -le $((actual_kb + 4))
link="$start_menu/$name.lnk"
check "shortcut: starts the installed program" contains "$(strings "$link")" "$install_dir_windows\\portanza-pali.exe"
check "shortcut: its description" contains "$(strings -el "$link")" "$description"
check "shortcut: the program's icon" contains "$(strings -el "$link")" "$install_dir_windows\\portanza-pali.exe"
check "manual shortcut: opens the manual" \
  contains "$(strings "$start_menu/$name - Manuale.lnk")" "$install_dir_windows\\manuale.html"
check "the manual is in Italian" grep -q '<html lang="it">' "$install_dir/manuale.html"
check "validation shortcut: opens the validation document" \
  contains "$(strings "$start_menu/$name - Validazione.lnk")" "$install_dir_windows\\validazione.pdf"
cases="$(ls "$(dirname "$0")"/../../docs/validation/casi/caso*.txt | wc -l)"
check "the validation document and its cases are installed" \
  equal "$(cd "$install_dir" && ls validazione.pdf caso*.txt | wc -l)" $((cases + 1))
check "each case also as a project file" \
  equal "$(cd "$install_dir" && ls caso*.pali 2>/dev/null | wc -l)" "$cases"

# The project files' type, for the current user.
check "type: the extension names it" equal "$(reg_default "$extension_key")" PortanzaPali.Progetto
check "type: its Italian name" equal "$(reg_default "$type_key")" "Progetto $name"
check "type: its icon, the program's second" \
  equal "$(reg_default "$type_key\DefaultIcon")" "\"$install_dir_windows\\portanza-pali.exe\",-2"
open_command="$(reg_default "$type_key\shell\open\command")"
check "type: the open command" equal "$open_command" "\"$install_dir_windows\\portanza-pali.exe\" \"%1\""

# What Windows shows in the program's properties, and its icon.
version_texts="$(wrestool --extract --raw --type=16 "$program" | strings -el | paste -sd'|')"
check "program: its version resource" contains "$version_texts" \
  "CompanyName|$publisher|FileDescription|$description|FileVersion|$new_version|InternalName|portanza-pali|LegalCopyright|Copyright (c) 2026 $publisher|OriginalFilename|portanza-pali.exe|ProductName|$name|ProductVersion|$new_version"
icon_sizes() {  # resource number
  wrestool --extract --type=14 --name="$1" "$program" >"$WINEPREFIX/../icon-$1.ico"
  icotool --list "$WINEPREFIX/../icon-$1.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | paste -sd' '
}
check "program: its icon at 16, 32, 48 and 256 pixels" equal "$(icon_sizes 1)" "16 32 48 256"
check "program: the project files' icon at 16, 32, 48 and 256 pixels" equal "$(icon_sizes 2)" "16 32 48 256"

if [[ -n "$ca" ]]; then
  for signed in "$program" "$install_dir/uninstall.exe"; do
    check "$(basename "$signed") is signed" osslsigncode verify -CAfile "$ca" -in "$signed" >/dev/null
  done
fi

# The installed program opens its window.
wine "$program" &
started=$!
check "the installed program opens a window" \
  timeout 60 xdotool search --sync --onlyvisible --pid "$started" >/dev/null
wineserver -k
wait "$started" || true
# A double-click in Explorer runs the type's open command with the file's
# path for %1 (Wine 8's own start does not look at a user's types).
project="$WINEPREFIX/../doppio clic è.pali"
cp "$(dirname "$0")/../app/kept/esempio.pali" "$project"
[[ "$open_command" =~ ^\"([^\"]+)\"\ \"%1\"$ ]]
# A UTF-8 locale, so that Wine finds the file's accented name on the disk.
LC_ALL=C.UTF-8 wine "${BASH_REMATCH[1]}" "$(winepath -w "$project" 2>/dev/null)" &
started=$!
window="$(timeout 60 xdotool search --sync --onlyvisible --pid "$started" | head -1)"
opened_title="doppio clic è.pali - PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)"
for _ in $(seq 50); do
  [[ "$(xdotool getwindowname "$window" 2>/dev/null)" == "$opened_title" ]] && break
  sleep 0.1
done
check "a double-click opens the file in the program" equal "$(xdotool getwindowname "$window" 2>/dev/null)" "$opened_title"
wineserver -k
wait "$started" || true
check "the installed program passes the end-to-end run" \
  "$(dirname "$0")/../e2e/e2e-windows.sh" "$program" "$control_centres" "$message_text"

uninstall="$(reg_value "$key" QuietUninstallString)"
check "the silent uninstall command" equal "$uninstall" "\"$install_dir_windows\\uninstall.exe\" /S"
[[ "$uninstall" =~ ^\"([^\"]+)\"\ (.*)$ ]]
run "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}

check "no file or folder left" diff <(echo "$files_before") <(user_files) >&2
check "no shortcut left" equal "$(shortcuts_of_ours)" ""
check "no uninstall entry left" not wine reg query "$key"
check "no type of ours left" not wine reg query "$extension_key"
check "no registry key or value of ours left" \
  equal "$(grep -il -e portanza "$WINEPREFIX"/*.reg || true)" ""

echo "installer: $passed passed, $failed failed"
((failed == 0))
