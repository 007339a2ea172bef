# Installs the Debian packages the game needs to build and test, only those missing.
# Sourced by run.sh and test.sh.
TABLOO_PACKAGES=(cmake make g++ libgtest-dev libgmock-dev qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-dejavu-core)

ensure_packages() {
    local missing=()
    for pkg in "${TABLOO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
