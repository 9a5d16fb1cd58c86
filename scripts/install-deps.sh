#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing lantuo need, skipping
# those already present.
set -euo pipefail

packages=(
  g++ cmake ninja-build clang
  qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite qt6-charts-dev qt6-webengine-dev
  qt6-multimedia-dev qt6-httpserver-dev qt6-websockets-dev libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk faketime xvfb xauth x11-utils imagemagick wrk
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
