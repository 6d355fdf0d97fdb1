#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and ./run.sh need, when any is missing: among
# them 32-bit Wine (wine32:i386, which needs the i386 architecture enabled) beside 64-bit Wine.
# Uses sudo only when not running as root.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 mingw-w64-tools libwine-dev wine64 wine32:i386
  xvfb xdotool imagemagick x11-utils nsis
  fp-utils-3.2.2
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
