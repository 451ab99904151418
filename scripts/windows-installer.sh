#!/usr/bin/env bash
# Checks the MSI of one Windows build (PRESET win32 or win64, built by scripts/windows.sh): its tables, that a
# second build folder makes it again byte for byte, that signing with a throwaway certificate verifies; then in a
# fresh Wine prefix: a silent install, the files, the Start-menu shortcut and the Add/Remove Programs entry, a
# whole exam in the installed program that writes nothing to the registry or the user's folders (when Wine runs
# the architecture), a higher version installed over it leaving one entry, and a silent uninstall that leaves
# nothing.
# Usage: [TESTOLA_WINE_RUNS_32BIT=1|0] scripts/windows-installer.sh PRESET
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Without a 32-bit Wine that starts (wine32 missing, or a kernel that runs no 32-bit program), 64-bit Wine still
# installs and removes the i686 MSI, but cannot start the program in it. TESTOLA_WINE_RUNS_32BIT (1 or 0), when
# set, says which, as scripts/windows.sh found it; otherwise the loader is started to find out.
wine_runs_32bit() {
    case ${TESTOLA_WINE_RUNS_32BIT:-} in
    1) return 0 ;;
    0) return 1 ;;
    *) scripts/ensure-wine32.sh --check >/dev/null ;;
    esac
}

preset=$1
build=$PWD/build/$preset
case $preset in
win64) arch=x86_64 program_files="Program Files" ;;
win32) arch=i686 program_files="Program Files (x86)" ;;
*) fail "unknown preset $preset" ;;
esac
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
msi=$build/testola-$version-$arch.msi
settings=$build/app/msi_settings.cmake
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# Everything below, under Wine: scripts/with-wine.sh runs this script again with --in-wine.
if [ "${2:-}" = --in-wine ]; then
    code=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
    installed=$WINEPREFIX/drive_c/$program_files/Testola
    windows_dir="C:\\$program_files\\Testola"
    # Windows puts a per-machine package's ProgramMenuFolder in the common Start menu; Wine 8's msi keeps the
    # user's, so both are looked at and the shortcut must be in one of them.
    shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Testola.lnk"
        "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Testola.lnk")
    msiexec() {
        wine msiexec "$1" "$(winepath -w "$2")" /qn </dev/null || fail "msiexec $1 $(basename "$2") ended with $?"
    }
    # The Add/Remove Programs entries named Testola, as "VIEW KEY NAME=VALUE" lines, from both registry views:
    # Wine records a 32-bit package in the 32-bit one.
    entries() {
        local view listing
        for view in /reg:64 /reg:32; do
            # A view without the key (a fresh 64-bit prefix has none in the 32-bit one) holds no entry.
            listing=$(wine reg query "$uninstall_key" /s "$view" </dev/null) || continue
            tr -d '\r' <<<"$listing" | awk -v view="$view" '
                /^HKEY/ { key = view " " $0 }
                /^    [^ ]/ { name = $1; value = $0; sub(/^ +[^ ]+ +REG_[A-Z_]+ */, "", value)
                           lines[key] = lines[key] key " " name "=" value "\n"
                           if (name == "DisplayName" && value == "Testola") ours[key] = 1 }
                END { for (key in ours) printf "%s", lines[key] }'
        done
    }
    # The registry reaches its files when the server stops; it is started again as scripts/with-wine.sh does.
    # Wine itself writes two things when a program starts on a desktop: its font key (HKCU\Software\Wine\Fonts)
    # again with the same values, which gives the key a new time stamp, and the display adapter's driver date
    # (DriverDateData, the time of day) under HKLM\System\...\Control\Class. Those are left out: the keys'
    # time stamps and that one value; every other key and value is compared.
    snapshot() {
        wineserver -k && wineserver -w
        mkdir -p "$1"
        for reg in user.reg system.reg; do
            sed -e 's/^\(\[.*\]\) [0-9]*$/\1/' -e '/^#time=/d' -e '/^"DriverDateData"=/d' "$WINEPREFIX/$reg" >"$1/$reg"
        done
        (cd "$WINEPREFIX/drive_c/users" && find . -printf '%p %s %T@\n' | sort) >"$1/users"
        wineserver -p </dev/null >/dev/null 2>&1
        wine cmd.exe /c exit </dev/null >/dev/null 2>&1
    }

    msiexec /i "$msi"
    for file in testola.exe README.md LICENSE; do
        [ -f "$installed/$file" ] || fail "no $file in $installed"
    done
    cmp "$installed/testola.exe" "$build/app/release/testola.exe" || fail "the installed testola.exe is another"
    found=0
    for lnk in "${shortcuts[@]}"; do
        [ -f "$lnk" ] || continue
        found=$((found + 1))
        grep -qaF "$windows_dir\\testola.exe" "$lnk" || fail "$lnk does not point at testola.exe"
        printf 'The shortcut %s points at %s\\testola.exe\n' "${lnk#"$WINEPREFIX"/}" "$windows_dir"
    done
    [ "$found" -eq 1 ] || fail "$found Start-menu shortcuts named Testola, not 1"
    entry=$(entries)
    for expected in DisplayName=Testola "DisplayVersion=$version" "Publisher=The Testola developers" \
        "InstallLocation=$windows_dir\\"; do
        grep -qF "$code $expected" <<<"$entry" || fail "the uninstall entry $code lacks $expected"
    done
    # Add/Remove Programs shows the icon the installer keeps for the product.
    icon=$(wine reg query 'HKCR\Installer\Products' /s /v ProductIcon </dev/null | tr -d '\r' |
        sed -n 's/^ *ProductIcon *REG_SZ *//p')
    [ -f "$(winepath -u "$icon")" ] || fail "no product icon at '$icon'"
    printf 'Installed: the files in %s, the uninstall entry %s and the icon %s\n' "$windows_dir" "$code" "$icon"

    if [ "$arch" = i686 ] && ! wine_runs_32bit; then
        echo "Wine cannot run 32-bit programs here: the installed $arch program takes no exam"
    else
        snapshot "$WINEPREFIX/../before-exam"
        tests/window/win32/exam_end_to_end.sh "$installed/testola.exe" \
            "$build/tests/testola_first_exam_answers.exe" "$build/window/testola_layout_facts.exe" \
            "$build/tests/window/win32/testola_restore_window.exe"
        tests/window/win32/check_version.sh "$build/tests/window/win32/testola_read_version.exe" \
            "$installed/testola.exe" LICENSE "$build/tests/window/win32/version.env"
        snapshot "$WINEPREFIX/../after-exam"
        for file in user.reg system.reg users; do
            diff "$WINEPREFIX/../before-exam/$file" "$WINEPREFIX/../after-exam/$file" ||
                fail "the exam changed $file"
        done
        echo "The exam wrote nothing to the registry (user.reg, system.reg) nor to the users' folders"
    fi

    higher=$WINEPREFIX/../higher
    cmake -DSETTINGS="$settings" -DVERSION="$HIGHER_VERSION" -DWORK="$higher" -DMSI="$higher/testola.msi" \
        -P packaging/windows/make_msi.cmake >/dev/null
    msiexec /i "$higher/testola.msi"
    [ "$(entries | grep -c ' DisplayName=Testola$')" -eq 1 ] || fail "not one uninstall entry after the upgrade"
    grep -qF " DisplayVersion=$HIGHER_VERSION" <<<"$(entries)" || fail "the entry is not $HIGHER_VERSION's"
    echo "$HIGHER_VERSION installs over $version, leaving one uninstall entry"

    msiexec /x "$higher/testola.msi"
    [ ! -e "$installed" ] || fail "$installed is left after the uninstall"
    for lnk in "${shortcuts[@]}"; do
        [ ! -e "$lnk" ] || fail "$lnk is left after the uninstall"
    done
    [ -z "$(entries)" ] || fail "an uninstall entry is left: $(entries)"
    echo "The uninstall leaves no file, shortcut or entry"
    exit 0
fi

printf '\n==== %s: the MSI ====\n' "$preset"
# The MSI takes its time stamps from SOURCE_DATE_EPOCH, which no build rule sees: made anew every time.
rm -f "$msi"
cmake --build "$build" --target testola_msi
sequence=$(msiinfo export "$msi" InstallExecuteSequence | tr -d '\r')
at() { sed -n "s/^$1\t\t*//p" <<<"$sequence"; }
# A major upgrade removes the older product after InstallValidate and before InstallInitialize.
[ -n "$(at RemoveExistingProducts)" ] || fail "no RemoveExistingProducts in the InstallExecuteSequence"
if [ "$(at RemoveExistingProducts)" -le "$(at InstallValidate)" ] ||
    [ "$(at RemoveExistingProducts)" -ge "$(at InstallInitialize)" ]; then
    fail "RemoveExistingProducts is not between InstallValidate and InstallInitialize"
fi
echo "$msi: RemoveExistingProducts at $(at RemoveExistingProducts) of the InstallExecuteSequence"

again=$build-again
cmake --preset "$preset" -B "$again" -DTESTOLA_BUILD_TESTS=OFF >/dev/null
rm -f "$again/$(basename "$msi")"
cmake --build "$again" --target testola_msi
cmp "$msi" "$again/$(basename "$msi")" || fail "$msi differs when built again from the same commit"
echo "$msi: the same, byte for byte, from a second build ($(sha256sum "$msi" | cut -c1-16))"

# Signing with a throwaway CA and code-signing certificate made here; verified against that CA.
keys=$build/signing-check
rm -rf "$keys"
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$keys/ca.key" -out "$keys/ca.pem" -days 2 \
    -subj "/CN=Testola throwaway CA" -addext basicConstraints=critical,CA:TRUE \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout "$keys/signer.key" -out "$keys/signer.csr" \
    -subj "/CN=Testola throwaway signer" 2>/dev/null
printf 'extendedKeyUsage=codeSigning\nkeyUsage=critical,digitalSignature\n' >"$keys/signer.ext"
openssl x509 -req -in "$keys/signer.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" -CAcreateserial -days 2 \
    -extfile "$keys/signer.ext" -out "$keys/signer.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" -out "$keys/signer.p12" \
    -passout pass:throwaway
# The second build folder signs its testola.exe and MSI with it, then goes back to unsigned ones.
signed_msi=$again/$(basename "$msi")
TESTOLA_SIGN_PKCS12=$keys/signer.p12 TESTOLA_SIGN_PASSWORD=throwaway TESTOLA_SIGN_TIMESTAMP_URL='' \
    cmake --build "$again" --target testola_msi testola_zip | tee "$keys/build.log"
grep -q "testola.exe: signed with" "$keys/build.log" || fail "the build did not say it signed testola.exe"
msiextract -C "$keys/extracted" "$signed_msi" >/dev/null
for signed in "$signed_msi" "$again/app/release/testola.exe" "$(find "$keys/extracted" -name testola.exe)"; do
    osslsigncode verify -CAfile "$keys/ca.pem" -in "$signed" >"$keys/verify.log" 2>&1 ||
        fail "$signed does not verify: $(cat "$keys/verify.log")"
    grep -q 'Message digest algorithm *: SHA256' "$keys/verify.log" || fail "$signed is not signed with SHA-256"
done
cmake --build "$again" --target testola_msi testola_zip | tee "$keys/build.log"
grep -q "testola.exe: not signed" "$keys/build.log" || fail "the build did not say it left testola.exe unsigned"
if osslsigncode verify -CAfile "$keys/ca.pem" -in "$signed_msi" >/dev/null 2>&1; then
    fail "$signed_msi is still signed without a certificate"
fi
echo "Signed with a throwaway certificate, testola.exe (for the zip and in the MSI) and the MSI verify against its CA"

prefix=$build/msi-check/wine
rm -rf "$build/msi-check"
mkdir -p "$build/msi-check"
WINEPREFIX=$prefix HIGHER_VERSION=${HIGHER_VERSION:-9.99} scripts/with-wine.sh "$0" "$preset" --in-wine
