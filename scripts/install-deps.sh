#!/usr/bin/env bash
# Installs every build, test and run dependency from Debian 12 packages.
# Idempotent: when everything is present it touches nothing (no upgrades).
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n libxcb1-dev pkgconf
  libgtest-dev libgmock-dev libbenchmark-dev
  libpugixml-dev libssl-dev zlib1g-dev libfontconfig-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick poppler-utils locales dbus-daemon
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A German locale lets the tests see what a German desktop does to C number parsing.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
