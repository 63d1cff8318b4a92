#!/usr/bin/env bash
# Runs the golden end-to-end cases against a built binary.
#
#   tests/e2e/run.sh BINARY [CASE...]          compare (all cases when none named)
#   tests/e2e/run.sh --regen BINARY [CASE...]  rewrite the expected results
#
# A case is a folder under tests/e2e/cases:
#   case.sh          sets `args` (the arguments, as a bash array) and may define
#                    `setup`, run in the scratch folder before the tool
#                    (`$examples` names the bundled examples folder)
#   in/              files copied into the scratch folder (optional)
#   expected/stdout  the exact standard output (the pause prompt included)
#   expected/status  the exit status
#   expected/tree    every entry of the scratch folder afterwards: type and name
#                    (and a symbolic link's target)
#   expected/files/  the exact bytes of every regular file in it afterwards
# The tool runs in the scratch folder with standard input from /dev/null. When
# ZUVA_E2E_WRAPPER is set, its words come before the binary (a checker such as
# valgrind, or an emulator).
#
# ZUVA_E2E_PLATFORM=windows checks a Windows build (run under Wine): the
# expected console lines and the files the tool wrote (those whose bytes are
# not what stood there before the run) then end with CRLF, and the pause prompt is the command
# processor's own. Cases listed in windows-skip.txt are not run that way.
set -u

regen=0
if [ "${1:-}" = --regen ]; then
  regen=1
  shift
fi
[ $# -ge 1 ] || { echo "usage: $0 [--regen] BINARY [CASE...]" >&2; exit 2; }
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
cases_dir=$(cd "$(dirname "$0")/cases" && pwd)
# Cases may copy the bundled example files from here.
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
if [ $# -eq 0 ]; then
  set -- $(cd "$cases_dir" && ls)
fi

# One line per entry below the current folder, sorted: "d name", "l name -> target", "f name".
tree_of() {
  find . -mindepth 1 -printf '%y %P\n' | sort | while read -r type name; do
    case $type in
      l) echo "l $name -> $(readlink "$name")" ;;
      *) echo "$type $name" ;;
    esac
  done
}

platform=${ZUVA_E2E_PLATFORM:-}
# The expected bytes of `file` for this platform.
expected_bytes() {
  local file=$1 kind=$2
  if [ "$platform" != windows ]; then
    cat "$file"
  elif [ "$kind" = stdout ]; then
    # Wine's PAUSE prints its prompt without a line end.
    sed 's/$/\r/' "$file" | sed 's/^Press any key to continue \. \. \. \r$/Press any key to continue... /' |
      perl -0pe 's/\n\z//'
  else
    sed 's/$/\r/' "$file" | perl -0pe 's/\r\z// unless /\n\z/'
  fi
}

passed=0
failed=0
skipped=0
for name in "$@"; do
  case_dir=$cases_dir/$name
  if [ "$platform" = windows ] && grep -q "^$name " "$cases_dir/../windows-skip.txt"; then
    skipped=$((skipped + 1))
    continue
  fi
  scratch=$(mktemp -d)
  out=$(mktemp)
  [ -d "$case_dir/in" ] && cp -a "$case_dir/in/." "$scratch/"
  (
    cd "$scratch" || exit 99
    args=()
    setup() { :; }
    # shellcheck disable=SC1091
    . "$case_dir/case.sh"
    setup
    find . -type f -exec sha1sum {} + | sed 's| \./| |' >"$out.before"
    # shellcheck disable=SC2086
    ${ZUVA_E2E_WRAPPER:-} "$binary" "${args[@]}" </dev/null >"$out"
    echo $? >"$out.status"
  )
  status=$(cat "$out.status")
  tree=$(cd "$scratch" && tree_of)

  if [ $regen = 1 ]; then
    rm -rf "$case_dir/expected"
    mkdir -p "$case_dir/expected/files"
    cp "$out" "$case_dir/expected/stdout"
    echo "$status" >"$case_dir/expected/status"
    printf '%s\n' "$tree" | sed '/^$/d' >"$case_dir/expected/tree"
    (cd "$scratch" && find . -type f -exec cp --parents {} "$case_dir/expected/files/" \;)
    echo "regenerated $name"
  else
    problems=()
    cmp -s "$out" <(expected_bytes "$case_dir/expected/stdout" stdout) || problems+=("standard output differs:
$(diff <(expected_bytes "$case_dir/expected/stdout" stdout | cat -A) <(cat -A "$out") | head -20)")
    [ "$status" = "$(cat "$case_dir/expected/status")" ] ||
      problems+=("exit status $status, expected $(cat "$case_dir/expected/status")")
    [ "$tree" = "$(sed '/^$/d' "$case_dir/expected/tree")" ] || problems+=("files differ:
$(diff "$case_dir/expected/tree" <(printf '%s\n' "$tree" | sed '/^$/d'))")
    while read -r type file; do
      [ "$type" = f ] || continue
      want=$case_dir/expected/files/$file
      # A file whose bytes are not what stood there before the run was written by the tool.
      if [ "$platform" = windows ] &&
        ! grep -qxF "$(sha1sum <"$want" | cut -d' ' -f1)  $file" "$out.before"; then
        cmp -s "$scratch/$file" <(expected_bytes "$want" page)
      else
        cmp -s "$scratch/$file" "$want"
      fi || problems+=("$file differs from expected/files/$file")
    done <<<"$tree"
    if [ ${#problems[@]} -eq 0 ]; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FAIL $name"
      printf '  %s\n' "${problems[@]}"
    fi
  fi
  chmod -R u+rwx "$scratch" 2>/dev/null
  rm -rf "$scratch" "$out" "$out.status" "$out.before"
done

[ $regen = 1 ] && exit 0
if [ $skipped -gt 0 ]; then
  echo "$passed passed, $failed failed, $skipped skipped"
else
  echo "$passed passed, $failed failed"
fi
[ $failed -eq 0 ]
