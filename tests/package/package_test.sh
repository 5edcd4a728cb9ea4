#!/usr/bin/env bash
# Builds the Debian package in a scratch folder and tries it without
# installing it: its contents, then the extracted ventora-run on an example
# job with --xls (which loads the workbook library from the extracted library
# folder) and the extracted Python module. `make package-test` runs it.
#   package_test.sh [BUILD_DIR]   (default build/package, shared with make package)
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$src/build/package}
command -v dpkg-deb >/dev/null || { echo "SKIPPED: dpkg-deb is missing"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

deb=$("$src/packaging/build-package" "$build" "$scratch") || { echo "FAIL: the package build"; exit 1; }
version=$(sed -n 's/^project(Ventora VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[[ $(basename "$deb") == ventora_${version}_$(dpkg --print-architecture).deb ]] || fail "package named $deb"

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/ventora usr/bin/ventora-run \
  "usr/lib/$multiarch/ventora/libventora-workbook.so" "usr/lib/$multiarch/ventora/libventora-cpmap.so" \
  "usr/lib/$multiarch/ventora/libventora-site.so" \
  usr/lib/python3/dist-packages/ventora/__init__.py usr/share/applications/ventora.desktop \
  usr/share/icons/hicolor/scalable/apps/ventora.svg usr/share/metainfo/io.github.ventora.Ventora.metainfo.xml \
  usr/share/mime/packages/ventora.xml usr/share/man/man1/ventora.1.gz usr/share/man/man1/ventora-run.1.gz \
  usr/share/doc/ventora/copyright usr/share/doc/ventora/changelog.gz usr/share/doc/ventora/guide/index.md \
  usr/share/doc/ventora/examples/office-block.in usr/share/ventora/web/ventora.html \
  usr/share/ventora/web/index.html usr/share/ventora/web/engine.wasm; do
  grep -qx "\./$path" <<<"$listing" || fail "the package lacks /$path"
done
grep -E '^\./usr/(local|lib/ventora)' <<<"$listing" && fail "files outside Debian's folders"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libgsf-1 libqt6widgets6 python3-numpy 'python3 (>='; do
  grep -qF "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
[[ $("$root/usr/bin/ventora-run" --version) == *"$version"* ]] || fail "ventora-run --version"
"$root/usr/bin/ventora-run" --help | grep -qF "$root/usr/share/doc/ventora/guide/index.md" ||
  fail "--help does not name the extracted guide"
mkdir "$scratch/job"
cp "$root/usr/share/doc/ventora/examples/office-block.in" "$scratch/job/"
(cd "$scratch/job" && "$root/usr/bin/ventora-run" --xls office-block) || fail "ventora-run --xls: status $?"
[[ -s $scratch/job/office-block.out.xls ]] || fail "no workbook written"
imported=$(cd "$scratch" && PYTHONPATH=$root/usr/lib/python3/dist-packages /usr/bin/python3 -c \
  'import ventora; print(ventora.__file__, ventora.__version__)') || fail "import ventora"
[[ $imported == "$root/usr/lib/python3/dist-packages/ventora/__init__.py $version" ]] ||
  fail "imported $imported"
# Footprints and surroundings are a module of their own, loaded at first use.
(cd "$scratch" && PYTHONPATH=$root/usr/lib/python3/dist-packages /usr/bin/python3 -c \
  'import ventora._site') || fail "import ventora._site"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian"
else
  echo "lintian is missing: the package's policy check is skipped"
fi
[[ $failed == 0 ]] && echo "package test passed: $(basename "$deb")"
exit $failed
