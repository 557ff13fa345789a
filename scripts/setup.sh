#!/usr/bin/env bash
# Installs the Debian packages the build needs, where they are missing, and
# the German locale the tests read numbers under (it writes a decimal comma).
set -euo pipefail
packages=(g++ cmake make qt6-base-dev qt6-charts-dev libcups2-dev libgl-dev libgtest-dev fonts-liberation poppler-utils locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    echo "de_DE.UTF-8 could not be made: the test of numbers under a comma locale will be skipped" >&2
fi
