#!/bin/sh
# Installs the Debian 12 packages the build needs; does nothing when all are present.
set -e
packages="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev"
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
