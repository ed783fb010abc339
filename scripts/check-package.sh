#!/usr/bin/env bash
# Checks a built Velmora Debian package with dpkg-deb -c and -I: the program, the desktop entry
# and the icon are in it, and it declares the Qt 6 Widgets libraries and the CJK fonts it needs.
#   bash scripts/check-package.sh build/package/velmora_<version>_<arch>.deb
set -euo pipefail

deb="${1:?usage: check-package.sh PACKAGE.deb}"
[ -f "$deb" ] || { echo "package: no such file: $deb"; exit 1; }

failures=0
fail() {
  echo "package: MISSING $1"
  failures=$((failures + 1))
}

contents="$(dpkg-deb -c "$deb")"
info="$(dpkg-deb -I "$deb")"

for path in ./usr/bin/velmora ./usr/share/applications/velmora.desktop \
  ./usr/share/icons/hicolor/scalable/apps/velmora.svg; do
  grep -q " ${path}\$" <<<"$contents" || fail "file ${path}"
done

depends="$(grep -E '^ Depends: ' <<<"$info" || true)"
if [ -z "$depends" ]; then
  fail "Depends line"
else
  for need in libqt6widgets6 libqt6gui6 fonts-noto-cjk; do
    grep -qE "[ ,]${need}([ ,(]|\$)" <<<"$depends" || fail "dependency ${need}"
  done
fi

# What the files hold: an executable program, and a desktop entry that starts it by its icon.
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
if [ -f "$unpacked/usr/bin/velmora" ]; then
  file -b "$unpacked/usr/bin/velmora" | grep -q '^ELF .* executable' || fail "an ELF program"
fi
desktop="$unpacked/usr/share/applications/velmora.desktop"
if [ -f "$desktop" ]; then
  for line in '^Name=Velmora$' '^Exec=velmora$' '^Icon=velmora$' '^Categories=.*Science;'; do
    grep -q "$line" "$desktop" || fail "desktop line ${line}"
  done
fi

if [ "$failures" -gt 0 ]; then
  echo "package: $deb FAILED ($failures missing)"
  exit 1
fi
echo "package: $deb holds the program, the desktop entry and the icon"
echo "package:$depends"
