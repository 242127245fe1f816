#!/usr/bin/env bash
# The Debian package as cpack makes it from the built tree. lintian must
# report no error and no warning; the game must lie where Debian puts games
# and still start from there; and nothing of a cmake --install may come
# along (the program in bin/, the uninstaller, the uninstall log, maintainer
# scripts that call ldconfig).
set -euo pipefail
cpack=$1
build=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" > "$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}

# lintian says so when it runs as root; that is not about the package.
status=0
lintian --fail-on error,warning "$deb" > "$tmp/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$tmp/lintian.log" || true
grep -qE '^[EW]: ' "$tmp/lintian.log" && fail "lintian reports errors or warnings"
[ "$status" -eq 0 ] || fail "lintian ended with status $status"

dpkg-deb --contents "$deb" | awk '{ print $NF }' > "$tmp/contents"
for path in ./usr/games/strhaven ./usr/share/man/man6/strhaven.6.gz ./usr/share/doc/strhaven/copyright \
            ./usr/share/doc/strhaven/changelog.gz; do
  grep -qxF "$path" "$tmp/contents" || fail "the package has no $path"
done
unwanted=$(grep -E '^\./usr/bin/|strhaven-uninstall|st5unst\.log' "$tmp/contents" || true)
[ -z "$unwanted" ] || fail "the package holds what only a cmake --install has: $unwanted"
dpkg-deb --control "$deb" "$tmp/control"
for script in preinst postinst prerm postrm triggers; do
  [ -e "$tmp/control/$script" ] && fail "the package has a $script: $(cat "$tmp/control/$script")"
done

# Unpacked, the game runs from /usr/games.
dpkg-deb --extract "$deb" "$tmp/root"
"$tmp/root/usr/games/strhaven" --version | grep -q '^Star Haven Virtual Slots [0-9]' || fail "the packaged game does not run"
echo "the package passes lintian: $(basename "$deb")"
