# packages.sh: installs the Debian packages Wirangga needs when they are missing.
# Sourced by scripts/play and scripts/test.

# Building and running the game.
WIRANGGA_PLAY_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libsdl2-dev libfluidsynth-dev timgm6mb-soundfont fonts-dejavu-core fonts-liberation"
# Running the tests as well: a virtual X server, a sound server, and a Windows
# cross compiler with Wine for the registry reader.
WIRANGGA_TEST_PACKAGES="$WIRANGGA_PLAY_PACKAGES libgtest-dev xvfb x11-utils xdotool imagemagick pulseaudio pulseaudio-utils g++-mingw-w64-x86-64 wine64 libxcb-damage0-dev"

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
