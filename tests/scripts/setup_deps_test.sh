#!/usr/bin/env bash
# The set-up script's decisions against a fake apt (no network): retrying a
# mirror caught mid-sync, going on with partial indexes, working out the
# multi-arch repair and running it only on request, and saying why an install
# failed. Usage: setup_deps_test.sh <source root>
set -u
root=${1:?source root}
script=$root/scripts/setup-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for tool in apt-get apt-cache dpkg dpkg-query id; do
  ln -s "$root/tests/scripts/fake_apt.sh" "$work/bin/$tool"
done
all="cmake make g++ python3 g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libwine-dev wine wine64
     wine32:i386 xvfb xauth fonts-wine fonts-liberation googletest libgtest-dev libgmock-dev libbenchmark-dev
     clang libfreetype-dev
     mono-devel libmono-system-windows-forms4.0-cil libmono-system-design4.0-cil libgdiplus
     nunit-console libnunit-cil-dev xdotool imagemagick"
failures=0
out=""
status=0

run_case() {  # <name> then FAKE_* assignments; runs the script with them
  local name=$1; shift
  case_name=$name
  rm -f "$work"/calls*
  out=$(env -i PATH="$work/bin:/usr/bin:/bin" FAKE_LOG="$work/calls.log" SETUP_RETRY_PAUSE=0 \
        FAKE_INSTALLED="$all" "$@" bash "$script" 2>&1)
  status=$?
}
fail() { echo "FAIL [$case_name]: $*"; echo "$out" | sed 's/^/    | /'; failures=$((failures + 1)); }
expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"; }
expect_out() { echo "$out" | grep -qF -- "$1" || fail "output lacks: $1"; }
calls() { grep -cE "$1" "$work/calls.log" 2>/dev/null; }
expect_calls() { local n; n=$(calls "$1"); [ "$n" -eq "$2" ] || fail "$2 calls matching '$1' expected, saw $n"; }

run_case "everything present: no apt call"
expect_status 0; expect_out "all packages present"; expect_calls '^apt-get' 0

run_case "update fails twice, then succeeds: retried, installed" FAKE_INSTALLED="cmake" FAKE_UPDATE_FAILS=2
expect_status 0; expect_calls '^apt-get update' 3; expect_calls '^apt-get install' 1; expect_out "try 2 of 3"
expect_out "setup-deps: done"

run_case "update keeps failing: goes on with the indexes it has" FAKE_INSTALLED="cmake" FAKE_UPDATE_FAILS=always
expect_status 0; expect_calls '^apt-get update' 3; expect_out "going on with the indexes that did download"
expect_calls '^apt-get install' 1

run_case "multi-arch skew: prints the repair, does not run it" FAKE_INSTALLED="cmake" FAKE_SKEW="zlib1g libssl3" \
  FAKE_FOLLOWER="libpng-dev:zlib1g"
expect_status 1
expect_out "--allow-downgrades"
expect_out "zlib1g=1 zlib1g:i386=1"
expect_out "libssl3=1 libssl3:i386=1"
expect_out "libpng-dev=1"
expect_out "downgrades zlib1g 2+sec -> 1"
expect_out "set BRIXEL_SETUP_REPAIR=1"
expect_calls '^apt-get install -y -qq --no-install-recommends --allow-downgrades' 0

run_case "multi-arch skew with the opt-in: repaired" FAKE_INSTALLED="cmake" FAKE_SKEW="zlib1g" BRIXEL_SETUP_REPAIR=1
expect_status 0; expect_out "repaired; done"
expect_calls '^apt-get install -y -qq --no-install-recommends --allow-downgrades .*zlib1g=1 zlib1g:i386=1' 1

run_case "another cause: says which packages and why" FAKE_INSTALLED="cmake" FAKE_OTHER_FAILURE="clang" \
  BRIXEL_SETUP_REPAIR=1
expect_status 1
expect_out "clang : Depends: clang-data but it is not going to be installed"
expect_out "packages still missing: make g++"
expect_out "retry with:  apt-get update && apt-get install -y --no-install-recommends make"
expect_calls 'allow-downgrades' 1   # only the simulation that looked for a repair

# The fake id says root; a function in its place says otherwise.
out=$(env -i PATH="$work/bin:/usr/bin:/bin" FAKE_LOG="$work/calls.log" FAKE_INSTALLED="cmake" \
      bash -c "id() { echo 1000; }; export -f id; bash '$script'" 2>&1)
status=$?
case_name="not root: prints the command"
expect_status 1; expect_out "run as root:"

echo "setup-deps decisions: $failures failed"
[ "$failures" -eq 0 ]
