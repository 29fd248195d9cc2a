# Shared set-up of ./play and ./check: installs the Debian packages the build
# needs (as root, only what is missing), then configures and builds.
# Sourced by both scripts; expects $ROOT to be the project folder.

# The windows are designed for Arial: fonts-liberation2 gives fontconfig a face
# of Arial's metrics to put in its place (DejaVu Sans, the default otherwise,
# is wider and clips captions); DejaVu Sans draws the letters. openbox is the
# window manager of the real-input scenarios that need one, x11-utils their
# window-property reader. at-spi2-core, python3-pyatspi and dbus give the
# screen-reader scenario its accessibility bus and client, and orca the
# screen reader whose spoken words the speech scenario reads from its log (it
# brings speech-dispatcher and logs speech without a sound device);
# desktop-file-utils checks the installer's desktop entries in the tests.
# qt6-tools-dev and qt6-l10n-tools bring lupdate and lrelease for the
# translations, qt6-translations-l10n Qt's own texts (standard buttons, file
# dialogs) in the players' languages.
GLYPHMASON_PACKAGES=(
  build-essential cmake qt6-base-dev libgtest-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-apps x11-utils openbox xdg-utils desktop-file-utils
  fonts-dejavu-core fonts-liberation2 clang libclang-rt-14-dev
  wamerican wngerman wfrench wspanish witalian wdutch
  at-spi2-core python3-pyatspi dbus orca
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-wayland sway wtype grim  # the Wayland session: Qt's plugin, a headless compositor, keys, screenshots
)

install_missing_packages() {
  local missing=()
  local package
  for package in "${GLYPHMASON_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run as root, or install them with: sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq &&
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null &&
    cmake --build "$ROOT/$dir" --parallel "$(nproc)"
}
