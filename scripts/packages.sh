# Installs the Debian packages a build needs, if any is missing. Sourced by
# the launch and test scripts; uses sudo when not run as root.
orvanta_ensure_packages() {
    local wanted=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-liberation2 libcli11-dev libcsv-dev "$@")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing Debian packages: ${missing[*]}"
    # sudo resets the environment: the frontend is passed through env.
    local as_root=(env DEBIAN_FRONTEND=noninteractive)
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
    fi
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
