#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The monkey driver against fault_window in a private Xvfb: it passes a program
# that keeps answering, starts again one that ends cleanly, fails on each kind
# of fault with a report that names it, and stops the program when told to.
#   finds_faults_test.sh CHROMADECK_MONKEY FAULT_WINDOW
set -euo pipefail

monkey="$1"
target="$2"
tmp="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    [[ -f "$tmp/out" ]] && sed 's/^/    /' "$tmp/out" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -qx '[0-9]\+' "$tmp/display" && break
    sleep 0.1
done
grep -qx '[0-9]\+' "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY

# expect STATUS TEXT MODE SECONDS [MONKEY_SECONDS]: the monkey's exit status
# and a line of its output.
expect() {
    local want_status="$1" want_text="$2" mode="$3" after="$4" seconds="${5:-6}" status=0
    rm -f "$tmp/log"
    "$monkey" --seed 11 --seconds "$seconds" --answer-seconds 2 --log "$tmp/log" \
        -- "$target" "$mode" "$after" >"$tmp/out" 2>&1 || status=$?
    ((status == want_status)) || fail "$mode: the monkey exited $status, not $want_status"
    grep -qF -- "$want_text" "$tmp/out" || fail "$mode: no '$want_text' in the monkey's output"
    echo "$mode after $after s: exit $status, '$want_text'"
}

expect 0 "passed:" none 0
grep -q "seed 11" "$tmp/out" || fail "the summary does not name the seed"
expect 0 "passed:" exit 1
grep -q "passed: .* [1-9][0-9]* restarts" "$tmp/out" || fail "a clean exit was not restarted"
expect 1 "MONKEY FAULT: the program does not answer" hang 1
expect 1 "MONKEY FAULT: the program ended abnormally: killed by signal 6" crash 1
expect 1 "MONKEY FAULT: the program ended abnormally: exit status 3" fail 1
expect 1 "MONKEY FAULT: sanitizer report" report 1
grep -q "==1==ERROR: AddressSanitizer: heap-use-after-free" "$tmp/out" ||
    fail "the report does not show the program's output"

# Told to stop, the monkey ends the program too and passes.
rm -f "$tmp/log"
"$monkey" --seed 12 --seconds 300 --log "$tmp/log" -- "$target" none 0 >"$tmp/out" 2>&1 &
monkey_pid=$!
for _ in $(seq 100); do
    grep -q "fault_window pid" "$tmp/log" 2>/dev/null && break
    sleep 0.1
done
sleep 1
kill -TERM "$monkey_pid"
status=0
wait "$monkey_pid" || status=$?
((status == 0)) || fail "a stopped monkey exited $status"
grep -q "monkey: stopped:" "$tmp/out" || fail "the monkey did not say it was stopped"
target_pid="$(sed -n 's/^fault_window pid //p' "$tmp/log" | head -n1)"
[[ -n "$target_pid" ]] || fail "fault_window never started"
if kill -0 "$target_pid" 2>/dev/null && ! grep -q '^State:.*Z' "/proc/$target_pid/status"; then
    fail "fault_window $target_pid outlived the stopped monkey"
fi
echo "The monkey passes a live program, restarts a clean exit and reports every fault."
