#!/usr/bin/env bash
# Builds the Debian package from a configured and built build folder (default build/) and checks
# it as an installed copy: its fields and contents, the desktop entry, the metadata and the manual
# pages; then the unpacked programs, run by a user who may not write where they lie (nobody when
# run as root) with a scratch home: versions, a schedule, the desktop program up to its main
# menu, and the personal settings saved to that user's data folder and read back at the next start.
# Prints "PACKAGE CHECK PASSED" or "PACKAGE CHECK FAILED: why" (exit 1).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.brindlewood.Brindlewood

fail() {
  echo "PACKAGE CHECK FAILED: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

step "cpack -G DEB in $build"
rm -f "$build"/brindlewood_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; fail "cpack"; }
debs=("$build"/brindlewood_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no brindlewood_*.deb"
deb=${debs[0]}
version=$(dpkg-deb --field "$deb" Version)
depends=$(dpkg-deb --field "$deb" Depends)
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB," \
  "installed size $(dpkg-deb --field "$deb" Installed-Size) KiB"
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb --field "$deb" Recommends)"
for lib in libqt6widgets6 libqt6charts6 libqt6datavisualization6 libqt6printsupport6 libc6 \
  qt6-qpa-plugins libgl1-mesa-dri; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib"
done

step "contents"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/brindlewood
  ./usr/bin/brindlewood-cli
  ./usr/share/brindlewood/Bwluse.hlp
  ./usr/share/applications/$app_id.desktop
  ./usr/share/metainfo/$app_id.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/brindlewood.svg
  ./usr/share/icons/hicolor/48x48/apps/brindlewood.png
  ./usr/share/icons/hicolor/256x256/apps/brindlewood.png
  ./usr/share/man/man1/brindlewood.1.gz
  ./usr/share/man/man1/brindlewood-cli.1.gz
  ./usr/share/bash-completion/completions/brindlewood-cli
  ./usr/share/doc/brindlewood/copyright
)
for f in "${expected[@]}"; do
  grep -qx -- "$f" <<<"$contents" || fail "the package lacks $f"
done
stray=$(grep -v -e '/$' <<<"$contents" | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$stray" ] || fail "unexpected files in the package: $stray"

scratch=$(mktemp -d /tmp/bw-package.XXXXXX)
cleanup() {
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
root=$scratch/root
home=$scratch/home
dpkg -x "$deb" "$root"

step "desktop entry, metadata, manual pages, completion"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate"
for page in brindlewood brindlewood-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -qF '\-\-version' ||
    fail "manual page $page lacks its options"
done
zcat "$root/usr/share/man/man1/brindlewood-cli.1.gz" | grep -q '^\.SS settings' ||
  fail "manual page brindlewood-cli lacks its commands"
bash -n "$root/usr/share/bash-completion/completions/brindlewood-cli" || fail "bash completion"
for size in 48 256; do
  file_size=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x$size/apps/brindlewood.png" |
    awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$file_size" = "${size}x$size" ] || fail "icon ${size}x$size is $file_size"
done

step "the unpacked programs, run by a user who may not write there"
chmod 755 "$scratch"
mkdir -p "$home" "$scratch/run"
chmod 700 "$scratch/run"
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home" "$scratch/run"
  as_user=(runuser -u nobody --)
  echo "as nobody, HOME=$home"
else
  chmod -R a-w "$root"
  as_user=()
  echo "as $(id -un), the unpacked copy made read-only, HOME=$home"
fi
run() {
  "${as_user[@]}" env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen "$@"
}
bin=$root/usr/bin
if run test -w "$bin"; then fail "the check's user may write $bin"; fi

out=$(run "$bin/brindlewood-cli" --version) || fail "brindlewood-cli --version"
[ "$out" = "brindlewood-cli $version" ] || fail "brindlewood-cli --version said '$out'"
out=$(run "$bin/brindlewood" --version) || fail "brindlewood --version"
[ "$out" = "brindlewood $version" ] || fail "brindlewood --version said '$out'"

# 100,000 at 10.125% over 25 years, compounded monthly: 100000 r / (1 - (1 + r)^-300) with
# r = 0.10125 / 12 is 917.53 a month.
table=$(run "$bin/brindlewood-cli" table) || fail "brindlewood-cli table"
grep -q '\$917\.53' <<<"$table" || fail "the schedule lacks the payment \$917.53: $(head -5 <<<"$table")"

data=$home/.local/share/Brindlewood
out=$(run "$bin/brindlewood" --check-start 2>"$scratch/stderr") ||
  fail "brindlewood --check-start: $out $(cat "$scratch/stderr")"
echo "$out"
grep -qx "program folder: $data" <<<"$out" || fail "the program's folder is not $data"
grep -qx "help file: /.*/usr/share/brindlewood/Bwluse.hlp" <<<"$out" ||
  fail "the help file was not found in the installed copy"
if grep -q "^user name:" <<<"$out"; then fail "a user name before any was saved"; fi

run "$bin/brindlewood-cli" settings --name "Pat Nobody" --currency "£" >/dev/null ||
  fail "brindlewood-cli settings"
[ -f "$data/Personal.Mtg" ] || fail "the settings did not land in $data"
[ "$(stat -c %U "$data/Personal.Mtg")" = "$(run id -un)" ] || fail "the settings file's owner"
printf 'saved: %s\n' "$(tr -d '\r' <"$data/Personal.Mtg")"
out=$(run "$bin/brindlewood" --check-start 2>/dev/null) || fail "brindlewood --check-start again"
grep -qx "user name: Pat Nobody" <<<"$out" || fail "the next start did not read the name back: $out"
run "$bin/brindlewood-cli" table | grep -q "£917\.53" || fail "the currency symbol was not read back"

step "apt-get install ./$(basename "$deb") (simulated)"
apt-get -s install "./$deb" >"$scratch/apt.log" 2>&1 || {
  cat "$scratch/apt.log" >&2
  fail "apt-get cannot install the package"
}
grep -q "^Inst brindlewood " "$scratch/apt.log" || fail "apt-get would not install brindlewood"

echo "PACKAGE CHECK PASSED: $(basename "$deb")"
