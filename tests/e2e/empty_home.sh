# Sourced by the end-to-end scripts before they run themselves again on a virtual
# screen: an empty home of their own, and no platform chosen from outside.
e2e_empty_home() {
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run TOLVIN_E2E_INNER=1
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
}
