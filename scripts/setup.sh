#!/usr/bin/env bash
# Installs what Velmora needs to build, run and test on Debian 12, and nothing that is already there.
# Non-interactive and idempotent: a second run only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake make g++ clang clang-format
  clang-14 libclang-rt-14-dev  # libFuzzer and clang's sanitizer run-times (fuzz preset)
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-noto-cjk
  locales xvfb xauth
  dpkg-dev file  # dpkg-shlibdeps and file, which CPack's Debian package needs
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A locale that writes a decimal comma, so the tests can show that numbers never follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating de_DE.UTF-8"
  as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  as_root locale-gen de_DE.UTF-8 >/dev/null
fi
