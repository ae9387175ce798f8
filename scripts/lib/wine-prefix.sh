# shellcheck shell=bash
# The Wine prefixes of the scripts and tests: one template per user and architecture, made once
# with wineboot (10-30 s), and a prefix per build tree or script made from it in about a second.
# Sourced, not run; needs scripts/lib/progress.sh.
#
#   prepare_wine_prefix PREFIX [win32]
#       Makes PREFIX from the template unless it is ready, making the template first when there
#       is none, with progress lines on stderr. win32: a 32-bit Windows prefix (its own
#       template), where 32-bit programs run without WoW64. Exports WINEPREFIX (and WINEARCH).
#
# A fresh prefix is 1.3 GB (0.6 GB for 32-bit), nearly all of it the Windows modules (.dll,
# .exe, .nls and the like) that wineboot puts there and Wine only reads afterwards. So a prefix
# holds hard links to the template's modules, and real copies of everything else: the folders
# (new files land in the prefix only), the registry files (Wine rewrites them in place), the .ini
# files. Wine writes its modules only when it updates a prefix to a newer Wine (its wine.inf is
# newer than the prefix's .update-timestamp); the template and the prefix are then made anew
# instead, before Wine starts in them. Where the template and the prefix are on different file
# systems, the prefix is a full copy.
#
# The cache folder is ZEMBRIK_CACHE, by default ~/.cache/zembrik.

# The files Wine reads and never writes in a prefix of its own version.
zembrik_wine_modules='.*\.\(dll\|exe\|drv\|sys\|vxd\|ocx\|cpl\|acm\|tlb\|ds\|ax\|com\|nls\|msstyles\|mod\)'

prepare_wine_prefix() {
  local prefix=$1 arch=${2:-win64} cache template template_lock
  cache=${ZEMBRIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zembrik}
  if [[ $arch == win32 ]]; then
    export WINEARCH=win32
    template=$cache/wine-template-win32
    template_lock=$cache/template-win32.lock
  else
    template=$cache/wine-template
    template_lock=$cache/template.lock
  fi
  mkdir -p "$cache" "$(dirname "$prefix")"

  (
    flock 9
    if ! wine_prefix_current "$template"; then
      with_progress "making the Wine template $template (once per user)" \
        make_wine_template "$template" || exit 1
    fi
  ) 9>"$template_lock" || return 1
  (
    flock 9
    if ! wine_prefix_current "$prefix"; then
      rm -rf "$prefix" "$prefix.new"
      with_progress "preparing the Wine prefix $prefix" \
        copy_wine_template "$template" "$prefix.new" || exit 1
      mv "$prefix.new" "$prefix"
    fi
  ) 9>"$prefix.lock" || return 1
  export WINEPREFIX=$prefix
}

# True when the prefix was made completely and for the Wine that is installed now.
wine_prefix_current() {
  local dir=$1 inf stamp made
  [[ -f $dir/.zembrik-ready ]] || return 1
  inf=$(wine_inf_file) || return 0
  stamp=$(stat -c %Y "$inf") || return 0
  [[ -f $dir/.update-timestamp ]] || return 1
  read -r made _ <"$dir/.update-timestamp" || return 1
  [[ ${made%$'\r'} == "$stamp" ]]  # Wine writes it with a Windows line end
}

# The wine.inf whose time stamp Wine compares with a prefix's .update-timestamp.
wine_inf_file() {
  local inf
  for inf in "${ZEMBRIK_WINE_INF:-}" /usr/share/wine/wine.inf /usr/local/share/wine/wine.inf \
    /opt/wine-stable/share/wine/wine.inf; do
    [[ -n $inf && -f $inf ]] && { echo "$inf"; return 0; }
  done
  return 1
}

make_wine_template() {
  local template=$1
  rm -rf "$template" "$template.new"
  WINEPREFIX="$template.new" DISPLAY='' wineboot -i >/dev/null 2>&1 || true
  WINEPREFIX="$template.new" wineserver -w
  [[ -f $template.new/system.reg ]] || { echo "${0##*/}: wineboot failed" >&2; return 1; }
  # Windows created by tests get captions drawn by Wine itself (there is no window manager).
  WINEPREFIX="$template.new" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1
  WINEPREFIX="$template.new" wineserver -w
  touch "$template.new/.zembrik-ready"
  mv "$template.new" "$template"
}

copy_wine_template() {
  local template=$1 copy=$2
  if cp -a --link "$template" "$copy" 2>/dev/null; then
    # Everything but the modules (a few dozen files) becomes a real copy of its own.
    (cd "$template" && find . -type f ! -iregex "$zembrik_wine_modules" -print0 |
      xargs -0 cp -a --remove-destination --parents -t "$copy") || return 1
  else
    rm -rf "$copy"
    cp -a "$template" "$copy" || return 1
  fi
}
