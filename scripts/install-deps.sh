#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Idempotent; quiet when all is there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n qt6-gtk-platformtheme libgl-dev
  libgtest-dev libgmock-dev
  fonts-ipafont
  poppler-utils
  xvfb xauth xdotool xclip
  clang-14 libclang-rt-14-dev
  libbenchmark-dev time x11-utils dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
