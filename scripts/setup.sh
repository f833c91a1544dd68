#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Ocuvance needs to build, run and
# be tested, then configures and builds it (into build/ unless OCUVANCE_BUILD_DIR says
# otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth fonts-dejavu-core
          cups cups-client printer-driver-cups-pdf poppler-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${OCUVANCE_BUILD_DIR:-build}
build_type=${OCUVANCE_BUILD_TYPE:-RelWithDebInfo}
# shellcheck disable=SC2086 # extra arguments are meant to split
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" -DOCUVANCE_WERROR="${OCUVANCE_WERROR:-OFF}" \
  ${OCUVANCE_CMAKE_ARGS:-}
cmake --build "$build_dir" -j"${OCUVANCE_JOBS:-2}"
