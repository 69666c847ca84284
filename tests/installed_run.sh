# Shared by the install and package tests: RunInstalledRender SCRATCH PROGRAM runs an
# installed halvane-render with empty XDG folders, so only ../share/halvane can give it the
# catalogs, and fails unless the catalogs were read and the PNG was written.
RunInstalledRender() {
  HOME="$1/home" XDG_DATA_HOME="$1/none" XDG_DATA_DIRS="$1/none" XDG_CONFIG_HOME="$1/config" \
    "$2" --layers lines,boundaries --trace "$1/trace" --out "$1/chart.png"
  if grep -q "not found" "$1/trace"; then
    echo "catalogs not found:"; grep "not found" "$1/trace"; return 1
  fi
  [ "$(head -c 4 "$1/chart.png" | tail -c 3)" = PNG ] || { echo "no PNG written"; return 1; }
}
