#!/usr/bin/env bash
# The package's metadata judged by the tools that read it, and the manual page
# of ventora-run held against its --help.
#   metadata_test.sh SOURCE_DIR VENTORA_RUN VERSION
# Exit 77 (skipped) when a tool is missing.
set -uo pipefail
src=$1 run=$2 version=$3
pkg=$src/packaging
for tool in appstreamcli desktop-file-validate groff; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (scripts/install-deps)"; exit 77; }
done
failed=0
fail() { echo "FAIL: $*"; failed=1; }

appstreamcli validate --no-net "$pkg/io.github.ventora.Ventora.metainfo.xml" || fail "metainfo"
desktop-file-validate "$src/src/ui/app/ventora.desktop" || fail "desktop file"
for page in ventora.1 ventora-run.1; do
  warnings=$(groff -ww -z -man "$pkg/$page" 2>&1)
  [[ -z $warnings ]] || fail "$page: $warnings"
  grep -q "^\.TH .* \"Ventora $version\"" "$pkg/$page" || fail "$page: not of version $version"
done
grep -q "<release version=\"$version\"" "$pkg/io.github.ventora.Ventora.metainfo.xml" ||
  fail "metainfo: no release $version"
grep -q "^ventora ($version)" "$pkg/changelog" || fail "changelog: no entry for $version"

# The job type: the desktop entry declares the type the MIME definition gives.
type=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$pkg/ventora-job.xml")
grep -qx "MimeType=$type;" "$src/src/ui/app/ventora.desktop" || fail "desktop file lacks MimeType=$type"

# Every option of --help is in the manual page (its "\-" read as "-").
page=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$pkg/ventora-run.1")
options=$("$run" --help | grep -oE '(^|[ ,[])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
[[ -n $options ]] || fail "no option read from ventora-run --help"
for option in $options; do
  grep -qF -- "$option" <<<"$page" || fail "ventora-run.1 lacks $option"
done
exit $failed
