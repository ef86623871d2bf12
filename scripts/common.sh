# Shared by scripts/run and scripts/test: installs the Debian packages the build needs when any is
# missing, and configures and builds one build folder.

AB_PACKAGES=(build-essential cmake qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation
             libgtest-dev libgmock-dev libbenchmark-dev libopenblas-dev liblapacke-dev
             nlohmann-json3-dev poppler-utils qt6-translations-l10n)

ab_install_packages() {
  local missing=() p
  for p in "${AB_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ab_build DIR [cmake options...]: configure (Release unless told otherwise) and build DIR.
ab_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

# Root shells have no runtime folder, and Qt warns without one.
ab_runtime_dir() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/aerobalance-runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  fi
}
