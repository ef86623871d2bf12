# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: installs the Debian packages the build needs when any is missing, and
# configures and builds one build folder (AB_BUILD_DIR, "build" unless set).

AB_PACKAGES=(build-essential cmake qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation
             libgtest-dev libgmock-dev libbenchmark-dev libopenblas-dev liblapacke-dev
             nlohmann-json3-dev poppler-utils qt6-translations-l10n)
# What the tests need besides: the checkers of the desktop entry, the AppStream description and the
# Debian package.
AB_TEST_PACKAGES=(desktop-file-utils appstream lintian)
# A print server and a queue that prints to PDF files, for the printing test (only run as root).
AB_PRINT_PACKAGES=(cups printer-driver-cups-pdf)

AB_BUILD_DIR=${AB_BUILD_DIR:-build}

# apt-get, through sudo when not root, that waits up to ten minutes for another package manager (an
# update running in the background, a software centre) to let go of the dpkg lock instead of giving
# up at once.
ab_apt_get() {
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"
}

ab_install_packages() {
  local missing=() p
  for p in "${AB_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  ab_apt_get update -qq
  ab_apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

# ab_configure DIR [cmake options...]: configure DIR, in Release unless told otherwise.
ab_configure() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

# ab_compile DIR [TARGET...]: build the targets named, or everything.
ab_compile() {
  local dir=$1; shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# ab_build DIR [cmake options...]: configure and build everything in DIR.
ab_build() {
  ab_configure "$@"
  ab_compile "$1"
}

# Root shells have no runtime folder, and Qt warns without one.
ab_runtime_dir() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/aerobalance-runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  fi
}
