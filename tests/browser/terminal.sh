#!/usr/bin/env bash
# Runs the tool in a tmux pane as a user would: the key wait must show its
# prompt, end on one key that is not Enter, and keep the exit status; with
# stdin at /dev/null or closed it must not wait at all. Every wait is bounded.
set -u
bin=${1:?usage: terminal.sh BINARY}
skip() {
  if [ "${CI:-}" = true ]; then echo "FAIL: $1 (CI=true, so this is an error)"; exit 1; fi
  echo "SKIP: $1"; exit 77
}
command -v tmux >/dev/null || skip "tmux not found"
work=$(mktemp -d)
sock="zuva-term-$$"
cleanup() { tmux -L "$sock" kill-server 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
cp "$(dirname "$0")/../../examples/picture.txt" "$(dirname "$0")/../../examples/links.txt" "$work/"
passed=0 failed=0
ok() { passed=$((passed + 1)); echo "ok $1"; }
bad() { failed=$((failed + 1)); echo "FAIL $1"; }

# wait_for COND_CMD SECONDS: polls every 0.1 s.
wait_for() {
  local i=0 n=$(($2 * 10))
  while [ $i -lt $n ]; do eval "$1" && return 0; sleep 0.1; i=$((i + 1)); done
  return 1
}

# name, arguments, expected status
while IFS='|' read -r name args want; do
  status="$work/$name.status"
  tmux -L "$sock" new-session -d -s "$name" -x 120 -y 30 -c "$work" \
    "sh -c '\"$bin\" $args; echo \$? > \"$status\"'"
  if ! wait_for "tmux -L $sock capture-pane -p -t $name | grep -q 'Press any key to continue \. \. \.'" 10; then
    bad "$name: no prompt on screen"; continue
  fi
  sleep 0.3
  if [ -e "$status" ]; then bad "$name: ended before a key was pressed"; continue; fi
  tmux -L "$sock" send-keys -t "$name" x
  if ! wait_for "[ -s '$status' ]" 10; then bad "$name: one key did not end the wait"; continue; fi
  got=$(cat "$status")
  [ "$got" = "$want" ] && ok "$name: status $got after one key" || bad "$name: status $got, want $want"
done <<'CASES'
generate-finished|-g picture.txt page.html links.txt|0
generate-missing-picture|-g missing.txt page.html links.txt|1
CASES

# Not a terminal: the wait reads one byte, or returns at once at end of input.
for how in devnull closed; do
  start=$(date +%s)
  if [ $how = devnull ]; then
    out=$(cd "$work" && timeout 10 "$bin" -g picture.txt page.html links.txt </dev/null); rc=$?
  else
    out=$(cd "$work" && timeout 10 "$bin" -g picture.txt page.html links.txt <&-); rc=$?
  fi
  took=$(($(date +%s) - start))
  if [ $rc -eq 0 ] && [ $took -le 2 ] && printf '%s' "$out" | grep -q 'Press any key to continue'; then
    ok "stdin $how: returned at once with status 0"
  else
    bad "stdin $how: status $rc after ${took}s"
  fi
done
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
