# Shared set-up for the scripts: installs the Debian packages Merrowin needs, then configures and
# builds into build/. Sourced by scripts/run, scripts/test, scripts/check-install, scripts/fuzz and
# scripts/screenshots.
set -euo pipefail

MERROWIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MERROWIN_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev clang libclang-rt-dev
    ccache python3 python3-ezdxf hp2xx xvfb xauth imagemagick fonts-dejavu-core libcoin-dev
    desktop-file-utils assimp-utils poppler-utils libqt6svg6)

MerrowinInstallPackages() {
    local missing=()
    for pkg in "${MERROWIN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# MerrowinBuild DIR [cmake options...]: configure (once) and build everything into DIR.
MerrowinBuild() {
    local dir="$1"
    shift
    cmake -S "$MERROWIN_ROOT" -B "$MERROWIN_ROOT/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$MERROWIN_ROOT/$dir" --parallel "$(nproc)"
}
