#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent: when
# everything is present it only says so. Needs root; otherwise it prints the
# command to run.
#
# Mirrors are sometimes caught mid-sync: one index file has an unexpected size
# and apt ignores it. The update is retried a few times and then goes on with
# the indexes it has. When that leaves the amd64 and i386 copies of a
# multi-arch library at different versions (one architecture's security index
# missing), the install cannot be solved; the script then works out the
# version both indexes carry and prints the repair command. It runs it only
# when BRIXEL_SETUP_REPAIR=1, because the repair downgrades installed libraries.
#   SETUP_UPDATE_TRIES   apt-get update attempts (default 3)
#   SETUP_RETRY_PAUSE    seconds between attempts (default 15)
#   BRIXEL_SETUP_REPAIR  1 to run the multi-arch repair command
set -u

packages=(
  cmake make g++ python3
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libwine-dev
  wine wine64 wine32:i386
  xvfb xauth fonts-wine fonts-liberation
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libfreetype-dev
  mono-devel libmono-system-windows-forms4.0-cil libmono-system-design4.0-cil libgdiplus
  nunit-console libnunit-cil-dev xdotool imagemagick
)
tries=${SETUP_UPDATE_TRIES:-3}
pause=${SETUP_RETRY_PAUSE:-15}
export DEBIAN_FRONTEND=noninteractive

say() { echo "setup-deps: $*"; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  say "all packages present"
  exit 0
fi

install_cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  say "missing packages: ${missing[*]}"
  echo "run as root:  dpkg --add-architecture i386 && apt-get update && $install_cmd"
  exit 1
fi

update_indexes() {  # retries a partial update, then goes on with what arrived
  local i out
  for ((i = 1; i <= tries; i++)); do
    if out=$(apt-get update -qq 2>&1); then
      return 0
    fi
    say "apt-get update failed (try $i of $tries):"
    echo "$out" | grep -E '^(E|W):' | sed 's/^/  /'
    [ "$i" -lt "$tries" ] && sleep "$pause"
  done
  say "going on with the indexes that did download"
}

# Versions of a package an index offers, newest first.
versions_of() { apt-cache madison "$1" 2>/dev/null | awk -F'|' '{gsub(/ /, "", $2); print $2}'; }

# The newest version both architectures' indexes carry, or nothing.
common_version() {
  local amd64 v
  amd64=$(versions_of "$1:amd64")
  for v in $(versions_of "$1:i386"); do
    if echo "$amd64" | grep -qxF "$v"; then echo "$v"; return; fi
  done
}

# Packages an unsolvable install names as held back by a version skew:
# "X:i386 : Depends: Y:i386 ... but it is not going to be installed" or "not
# installable" (the i386 copy cannot match the amd64 one), and
# "X : Depends: Y (= V) but W is to be installed" (X must follow a pinned Y).
skewed_libraries() {
  grep -oE 'Depends: [a-z0-9][a-z0-9.+-]*:i386( \([^)]*\))? but it is not (going to be installed|installable)' \
    | awk '{print $2}' | sed 's/:i386$//' | sort -u
}
exact_followers() {  # prints "X W" pairs
  sed -nE 's/^ *([a-z0-9][a-z0-9.+-]*)(:amd64)? : *Depends: [a-z0-9.+-]+ \(= [^)]*\) but ([^ ]+) is to be installed.*/\1 \3/p' | sort -u
}

pins=()
# Adds the version pins that make the amd64 and i386 copies agree; fails when
# the failure has another cause or no common version exists.
plan_repair() {
  local round out added lib v follower want pinned
  for round in 1 2 3 4 5 6 7 8; do
    out=$(apt-get install -s -y --no-install-recommends --allow-downgrades "${missing[@]}" "${pins[@]}" 2>&1) && return 0
    added=0
    for lib in $(echo "$out" | skewed_libraries); do
      pinned=" ${pins[*]-} "
      [[ $pinned == *" $lib="* ]] && continue
      v=$(common_version "$lib")
      if [ -z "$v" ]; then
        say "$lib: no version is offered for both amd64 and i386"
        return 1
      fi
      pins+=("$lib=$v" "$lib:i386=$v")
      added=1
    done
    while read -r follower want; do
      [ -n "$follower" ] || continue
      pinned=" ${pins[*]-} "
      [[ $pinned == *" $follower="* ]] && continue
      if versions_of "$follower" | grep -qxF "$want"; then
        pins+=("$follower=$want")
        added=1
      fi
    done < <(echo "$out" | exact_followers)
    [ "$added" -eq 1 ] || return 1
  done
  return 1
}

# Lines of a simulated install that lower an installed version or remove a package.
list_downgrades() {
  local line name old new
  apt-get install -s -y --no-install-recommends --allow-downgrades "${missing[@]}" "${pins[@]}" 2>/dev/null |
  while read -r line; do
    case $line in
      Remv\ *) echo "  removes ${line#Remv }" ;;
      Inst\ *\[*\]\ \(*)
        name=$(echo "$line" | awk '{print $2}')
        old=$(echo "$line" | sed -E 's/^Inst [^ ]+ \[([^]]+)\].*/\1/')
        new=$(echo "$line" | sed -E 's/^Inst [^ ]+ \[[^]]+\] \(([^ ]+).*/\1/')
        dpkg --compare-versions "$new" lt "$old" && echo "  downgrades $name $old -> $new"
        ;;
    esac
  done
}

report_failure() {  # $1: the install's output
  say "the install failed. apt said:"
  echo "$1" | grep -E '^ *[^ ]+ : *(Pre)?Depends:|^ +(Pre)?Depends:|^E:' | sed 's/^ */  /'
  say "packages still missing: ${missing[*]}"
  echo "retry with:  apt-get update && $install_cmd"
}

say "installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
update_indexes
if out=$(apt-get install -y -qq --no-install-recommends "${missing[@]}" 2>&1); then
  say "done"
  exit 0
fi

if ! plan_repair || [ ${#pins[@]} -eq 0 ]; then
  report_failure "$out"
  exit 1
fi
repair="apt-get install -y --no-install-recommends --allow-downgrades ${missing[*]} ${pins[*]}"
say "the amd64 and i386 copies of some libraries differ in version (an index is missing)."
say "installing both copies at the version both indexes carry repairs it:"
echo "  $repair"
changes=$(list_downgrades)
[ -n "$changes" ] && { say "this changes installed packages:"; echo "$changes"; }
if [ "${BRIXEL_SETUP_REPAIR:-}" != 1 ]; then
  say "not run: set BRIXEL_SETUP_REPAIR=1 to run it, or run it by hand"
  exit 1
fi
if out=$(apt-get install -y -qq --no-install-recommends --allow-downgrades "${missing[@]}" "${pins[@]}" 2>&1); then
  say "repaired; done"
  exit 0
fi
report_failure "$out"
exit 1
