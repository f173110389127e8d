#!/bin/sh
# Installs the Debian 12 packages the build needs; does nothing when all are present.
set -e
# fonts-liberation: a face with the widths of the graphs' Times New Roman; without it the
# roman family falls back to a wider face and labels near the right edge run off the plot.
packages="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev zlib1g-dev fonts-liberation"
[ "${1:-}" = "--fuzz" ] && packages="$packages clang libclang-rt-14-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root (or install these packages yourself):$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing
