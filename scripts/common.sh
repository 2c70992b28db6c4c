# Shared by ./run and ./test: install what is missing, configure and build.
# Sourced, not executed.
set -euo pipefail
KMR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KMR_JOBS="${KMR_JOBS:-$(nproc)}"

KMR_PACKAGES=(
    build-essential cmake ninja-build clang libclang-rt-14-dev pkg-config clang-format
    file dpkg-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev libxkbcommon-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    poppler-utils xvfb xauth
    g++-mingw-w64-x86-64 wine wine64
)

kmr_install_packages() {
    local missing=()
    local p
    for p in "${KMR_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
            echo "missing packages and not root: ${missing[*]}" >&2
            return 1
        fi
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# kmr_build DIR [cmake args...]
kmr_build() {
    local dir="$1"; shift
    cmake -S "$KMR_ROOT" -B "$KMR_ROOT/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$KMR_ROOT/$dir" -j "$KMR_JOBS"
}
