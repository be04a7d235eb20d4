#!/usr/bin/env bash
# Files on a real disk that fails and under permissions that hold: a save onto a small
# disk filled to the last byte, mounted in a mount namespace of its own so that it goes
# away with the test, and the permission faults run as the user "nobody", for whom
# they hold (they do not hold for the super-user). Needs root to mount and to become
# "nobody"; skipped (77) where either is not permitted.
#   run-file-faults.sh TEST_ENGINE TEST_CALCULATORS
set -u
engine=$1
calculators=$2
skip() { echo "skipped: $1"; exit 77; }
[ "$(id -u)" = 0 ] || skip "not root: the permission rows run in test_engine itself"
for tool in unshare mount setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/disk" "$work/home"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

unshare -m true 2>/dev/null || skip "no mount namespace may be made here"
# shellcheck disable=SC2016 # expanded by the inner shell
unshare -m bash -c 'mount -t tmpfs -o size=1m karvela-full "$1" || exit 77
                    KARVELA_FULL_DISK="$1" exec "$2" failedSaveKeepsTheEarlierFile' _ "$work/disk" "$calculators"
full=$?
[ $full = 77 ] && skip "a small disk cannot be mounted here"

chown nobody "$work/home"
if setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$engine"; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work/home" TMPDIR="$work/home" \
        "$engine" fileTroubles
    user=$?
else
    echo "\"nobody\" may not run $engine where it is built: the permission rows were not run"
    user=0
fi
[ $full = 0 ] && [ $user = 0 ]
