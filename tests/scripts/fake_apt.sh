#!/usr/bin/env bash
# Stands in for apt-get, apt-cache, dpkg, dpkg-query and id in the set-up
# script's tests; the test links each name to this file. It plays a mirror
# described by FAKE_* variables and logs every call to FAKE_LOG:
#   FAKE_INSTALLED      packages dpkg-query reports installed
#   FAKE_UPDATE_FAILS   how many updates fail before one succeeds ("always")
#   FAKE_SKEW           libraries whose i386 index lacks the amd64 security
#                       version: amd64 offers 2+sec and 1, i386 only 1
#   FAKE_FOLLOWER       "dev:lib": dev needs lib at exactly its own version
#   FAKE_OTHER_FAILURE  a package that cannot be installed for another reason
set -u
name=$(basename "$0")
echo "$name $*" >>"$FAKE_LOG"
state=${FAKE_LOG%.log}

has_arg() { local a; for a in "${args[@]}"; do [ "$a" = "$1" ] && return 0; done; return 1; }

unmet() {  # prints apt's complaint for what the pins leave unsolved
  local lib dev problems=""
  for lib in ${FAKE_SKEW:-}; do
    has_arg "$lib=1" && has_arg "$lib:i386=1" && continue
    problems+=" wine32:i386 : Depends: $lib:i386 (>= 1) but it is not going to be installed"$'\n'
  done
  if [ -n "${FAKE_FOLLOWER:-}" ]; then
    dev=${FAKE_FOLLOWER%%:*}; lib=${FAKE_FOLLOWER#*:}
    if has_arg "$lib=1" && ! has_arg "$dev=1"; then
      problems+=" $dev : Depends: $lib (= 2+sec) but 1 is to be installed"$'\n'
    fi
  fi
  [ -n "${FAKE_OTHER_FAILURE:-}" ] &&
    problems+=" ${FAKE_OTHER_FAILURE} : Depends: ${FAKE_OTHER_FAILURE}-data but it is not going to be installed"$'\n'
  [ -z "$problems" ] && return 1
  echo "The following packages have unmet dependencies:"
  printf '%s' "$problems"
  echo "E: Unable to correct problems, you have held broken packages."
}

case $name in
  id) echo 0 ;;
  dpkg-query)
    pkg=${!#}
    for p in ${FAKE_INSTALLED:-}; do [ "$p" = "$pkg" ] && { echo -n "install ok installed"; exit 0; }; done
    exit 1 ;;
  dpkg)
    case ${1:-} in
      --print-foreign-architectures) echo i386 ;;
      --compare-versions) exec /usr/bin/dpkg "$@" ;;
    esac ;;
  apt-cache)
    [ "${1:-}" = madison ] || exit 0
    lib=${2%:*}; arch=${2##*:}
    for l in ${FAKE_SKEW:-} ${FAKE_FOLLOWER:+${FAKE_FOLLOWER%%:*}}; do
      [ "$l" = "$lib" ] || continue
      [ "$arch" = i386 ] || echo " $lib | 2+sec | http://mirror security/main $arch Packages"
      echo " $lib | 1 | http://mirror main $arch Packages"
    done ;;
  apt-get)
    args=("$@")
    case ${1:-} in
      update)
        n=$(($(cat "$state.updates" 2>/dev/null || echo 0) + 1)); echo "$n" >"$state.updates"
        if [ "${FAKE_UPDATE_FAILS:-0}" = always ] || [ "$n" -le "${FAKE_UPDATE_FAILS:-0}" ]; then
          echo "E: Failed to fetch http://mirror/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
          echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
          exit 100
        fi ;;
      install)
        unmet && exit 100
        if has_arg -s; then
          for lib in ${FAKE_SKEW:-}; do echo "Inst $lib [2+sec] (1 Debian:12 [amd64])"; done
        fi ;;
    esac ;;
esac
exit 0
