#!/usr/bin/env bash
# Installs everything Pagewing needs to build, run and test on Debian 12.
# Idempotent: packages already present are left alone; run as root (or with sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libepoxy-dev libegl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri libglx-mesa0 mesa-utils
  libglm-dev libstb-dev qt6-image-formats-plugins libwebp-dev libheif-dev libde265-0 libdav1d6
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libswresample-dev ffmpeg
  libgtest-dev libgmock-dev googletest
  xvfb xauth xdotool openbox x11-utils fonts-dejavu-core
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
