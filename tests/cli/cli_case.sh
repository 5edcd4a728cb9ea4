# Shared by the ventora-run process test scripts, sourced once case_name and
# bin are set: scratch folders removed on exit, running the program, and the
# checks every script makes.
# shellcheck shell=bash disable=SC2154  # case_name and bin come from the sourcing script

work=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$work" "$elsewhere"' EXIT

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

# run_in DIR ARGS...: runs ventora-run in DIR; sets status, out, err.
run_in() {
  local dir=$1
  shift
  (cd "$dir" && "$bin" "$@" >"$work/.out" 2>"$work/.err")
  status=$?
  out=$(cat "$work/.out")
  err=$(cat "$work/.err")
}
# run ARGS...: runs ventora-run from another folder, so that a job name is
# taken as given and not found by accident in the current folder.
run() { run_in "$elsewhere" "$@"; }

expect_status() { [[ $status == "$1" ]] || fail "exit status $status, expected $1; stderr: $err"; }
expect_err() { grep -qF -- "$1" <<<"$err" || fail "stderr lacks '$1'; stderr: $err"; }
expect_out() { [[ $out == "$1" ]] || fail "stdout '$out', expected '$1'"; }
# expect_files NAMES...: the work folder holds exactly these files.
expect_files() {
  local have want
  have=$(cd "$work" && ls -A | grep -vE '^\.(out|err)$' | sort)
  want=$(printf '%s\n' "$@" | sort)
  [[ $have == "$want" ]] || fail "files: $(echo $have), expected: $*"
}
