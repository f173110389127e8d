#!/bin/sh
# Installs the Debian 12 packages the build needs and the German locale the tests use;
# does nothing when all are present.
set -e
# fonts-liberation: a face with the widths of the graphs' Times New Roman; without it the
# roman family falls back to a wider face and labels near the right edge run off the plot.
# locales: the comma-decimal locale de_DE.UTF-8 (made below), in which a test checks that
# written numbers keep their decimal point.
packages="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev zlib1g-dev fonts-liberation locales"
[ "${1:-}" = "--fuzz" ] && packages="$packages clang libclang-rt-14-dev"
comma_locale="de_DE.UTF-8"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
# glibc lists de_DE.UTF-8 as de_DE.utf8.
has_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\{0,1\}8'
}
need_locale=""
has_locale || need_locale=yes
[ -z "$missing" ] && [ -z "$need_locale" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  [ -n "$missing" ] && echo "Run as root (or install these packages yourself):$missing" >&2 && exit 1
  # Only the locale is missing: the build works without it, its test is skipped.
  echo "Run as root to make the locale $comma_locale (locale-gen); its test is skipped until then." >&2
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing
fi
if ! has_locale; then
  echo "Making the locale $comma_locale"
  # locale-gen makes every locale named in /etc/locale.gen: name it there once.
  touch /etc/locale.gen
  if grep -q "^# *$comma_locale UTF-8" /etc/locale.gen; then
    sed -i "s/^# *$comma_locale UTF-8/$comma_locale UTF-8/" /etc/locale.gen
  elif ! grep -q "^$comma_locale UTF-8" /etc/locale.gen; then
    echo "$comma_locale UTF-8" >> /etc/locale.gen
  fi
  locale-gen
fi
