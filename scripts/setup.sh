#!/usr/bin/env bash
# Installs the Debian packages the build needs, where they are missing, and
# the German locale the tests read numbers under (it writes a decimal comma).
set -euo pipefail
packages=(g++ cmake make qt6-base-dev qt6-charts-dev libcups2-dev libgl-dev libgtest-dev fonts-liberation poppler-utils locales)
# The print server the tests start of their own (cupsd, lpadmin), without
# what it recommends (Avahi, colord, cups-browsed).
server_packages=(cups-daemon cups-client)
missing_of() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t server_missing < <(missing_of "${server_packages[@]}")
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_install() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@"; }
if [ ${#missing[@]} -gt 0 ] || [ ${#server_missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  apt_install "${missing[@]}"
fi
if [ ${#server_missing[@]} -gt 0 ]; then
  # The install does not start the system's own print service: where no
  # policy says otherwise, one that forbids starting services stands while
  # this script runs.
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null
    $SUDO chmod 755 /usr/sbin/policy-rc.d
    trap '$SUDO rm -f /usr/sbin/policy-rc.d' EXIT
  fi
  apt_install --no-install-recommends "${server_missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    echo "de_DE.UTF-8 could not be made: the test of numbers under a comma locale will be skipped" >&2
fi
