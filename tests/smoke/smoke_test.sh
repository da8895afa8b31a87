#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Chromadeck in a private Xvfb (no window manager), left-clicks its
# canvas and passes when the pixels around the click changed; then opens the
# screen capture from the menu bar, checks it shows the grabbed screen, and
# closes it with Esc; copies a captured region; opens the text size list; runs
# "chromadeck --capture" and pastes its copy with xclip after its window closed;
# reaches the panel's lowest button in a short window; and ends the program from
# its File menu, passing only on a clean exit (no leak report under ASan). Last it
# copies a region once more with the program at 200 % (QT_SCALE_FACTOR=2).
#   smoke_test.sh CHROMADECK SCREEN_PROBE
# Screenshots of the region before and after the click are left in the
# current directory as smoke-before.png and smoke-after.png.
set -euo pipefail

app="$1"
probe="$2"
tmp="$(mktemp -d)"
xvfb_pid=""
app_pid=""
capture_pid=""

cleanup() {
    if [[ -n "$app_pid" ]]; then kill "$app_pid" 2>/dev/null || true; fi
    if [[ -n "$capture_pid" ]]; then kill "$capture_pid" 2>/dev/null || true; fi
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "SMOKE TEST FAILED: $*" >&2
    if [[ -s "$tmp/app.log" ]]; then
        echo "---- chromadeck output (last 60 lines) ----" >&2
        tail -n 60 "$tmp/app.log" >&2
    fi
    exit 1
}

# require_running WHEN: fails, with chromadeck's exit status, once it has quit.
require_running() {
    kill -0 "$app_pid" 2>/dev/null && return 0
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    fail "chromadeck exited $1 (exit status $status)"
}

for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/test installs it)"
done

# -displayfd: the server picks a free display number and writes it once it
# accepts clients, so parallel runs and a developer's own display never clash.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -qx '[0-9]\+' "$tmp/display" && break
    sleep 0.1
done
grep -qx '[0-9]\+' "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$tmp/runtime" # Qt warns on every start without one
# The clicks below find the menu entries where the Chinese captions put them, and the
# cut-out window by its Chinese title: the program runs in the C locale, which is Chinese.
export LC_ALL=C.UTF-8
unset LANGUAGE
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$app" >"$tmp/app.log" 2>&1 &
app_pid=$!

# Look for the window a second at a time, so an early exit is reported at once.
ids=""
for _ in $(seq 60); do
    require_running "before showing its window"
    ids="$(timeout 1 xdotool search --sync --onlyvisible --name '^Chromadeck2\.0')" && break
done
[[ -n "$ids" ]] || fail "no window titled 'Chromadeck2.0...' appeared within 60 s"
window="${ids%%$'\n'*}"

# Window-relative click point: on the canvas for any window of 640x480 or
# more, since the canvas starts about 116 px from the left edge.
click_x=400
click_y=300
half=80 # the region checked is 160x160 around the click, inside the first ring drawn

grab() {
    "$probe" $((X + click_x - half)) $((Y + click_y - half)) $((2 * half)) $((2 * half)) "$@"
}

# With no window manager nobody maximises the window, and Qt leaves it at its
# natural size; when that is too small to hold the canvas, do the window
# manager's part and make it fill the screen.
geometry="$(xdotool getwindowgeometry --shell "$window")" || fail "lost window $window"
eval "$geometry" # sets X, Y, WIDTH, HEIGHT
if ((WIDTH < 800 || HEIGHT < 500)); then
    echo "Window is ${WIDTH}x${HEIGHT}; resizing it to fill the screen."
    xdotool windowmove "$window" 0 0 windowsize "$window" 100% 100%
fi

# Waits until the window has stopped moving and the canvas has painted: the
# same geometry and pixels on two looks half a second apart.
settle() {
    local previous="" current geometry
    for _ in $(seq 60); do
        require_running "while starting up"
        geometry="$(xdotool getwindowgeometry --shell "$window")" || fail "lost window $window"
        eval "$geometry" # sets X, Y, WIDTH, HEIGHT
        current="$X $Y $WIDTH $HEIGHT $(grab)"
        [[ "$current" == "$previous" ]] && return 0
        previous="$current"
        sleep 0.5
    done
    fail "the window never settled (still changing after 30 s)"
}

settle
# Point at the click spot first, so whatever merely hovering shows is already
# in the "before" picture and only the press itself can make a difference.
xdotool mousemove --window "$window" "$click_x" "$click_y"
settle
((WIDTH >= click_x + half && HEIGHT >= click_y + half)) ||
    fail "window is only ${WIDTH}x${HEIGHT}, too small to click its canvas at ($click_x, $click_y)"

before="$(grab smoke-before.png)"
xdotool click 1
after="$before"
for _ in $(seq 40); do
    sleep 0.25
    require_running "after the click on its canvas"
    after="$(grab smoke-after.png)"
    [[ "$after" != "$before" ]] && break
done
[[ "$after" != "$before" ]] ||
    fail "a left click at ($click_x, $click_y) did not change the canvas within 10 s" \
        "(window ${WIDTH}x${HEIGHT} at $X,$Y; see smoke-before.png and smoke-after.png in $PWD)"

sleep 0.5
require_running "after drawing"
echo "The click at ($click_x, $click_y) changed the canvas (window ${WIDTH}x${HEIGHT} at $X,$Y)."

# The screen capture: "截屏" is the third entry of the menu bar, about 100 px in. It
# grabs the real screen and covers it with a full-screen window showing that picture;
# Esc closes it again.
capture_windows() {
    local id geometry
    for id in $(xdotool search --onlyvisible --classname chromadeck 2>/dev/null); do
        geometry="$(xdotool getwindowgeometry --shell "$id")" || continue
        eval "$geometry" # sets X, Y, WIDTH, HEIGHT
        if ((X == 0 && Y == 0 && WIDTH == 1920 && HEIGHT == 1080)); then echo "$id"; fi
    done
    return 0
}

# wait_capture_open WHAT: waits up to 10 s for the capture window; fails naming WHAT.
wait_capture_open() {
    capture=""
    for _ in $(seq 40); do
        sleep 0.25
        require_running "after $1"
        capture="$(capture_windows)"
        [[ -n "$capture" ]] && break
    done
    [[ -n "$capture" ]] || fail "$1 opened no full-screen capture window within 10 s"
    sleep 0.5
}

# wait_capture_closed WHAT: waits up to 10 s for no capture window; fails naming WHAT.
wait_capture_closed() {
    for _ in $(seq 40); do
        sleep 0.25
        [[ -z "$(capture_windows)" ]] && break
    done
    [[ -z "$(capture_windows)" ]] || fail "$1 did not close the capture window"
}

# The region most steps use: 200 x 150 from (300, 300). Its toolbar sits right-aligned
# 4 px below it (left 300 + 200 - 241 = 259, top 454); "复制退出", the last button, is
# 218 px in and 5 px down, 16 px square.
select_region() {
    xdotool mousemove 300 300 mousedown 1 mousemove 400 380 mousemove 500 450 mouseup 1
    sleep 0.5
}
press_copy_and_exit() {
    xdotool mousemove $((259 + 218 + 8)) $((454 + 5 + 8)) click 1
}
drawn="$(grab)"
xdotool mousemove --window "$window" 100 10 click 1
wait_capture_open "choosing 截屏"
# The frozen picture shows the canvas as it was: the same pixels as before the capture.
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ "$(grab smoke-capture.png)" == "$drawn" ]] ||
    fail "the capture window does not show the grabbed screen (see smoke-capture.png in $PWD)"
xdotool key Escape
wait_capture_closed "Esc"
require_running "after the screen capture"

# A second capture: the usual region, then "复制退出".
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 100 10 click 1
wait_capture_open "the second 截屏"
select_region
press_copy_and_exit
wait_capture_closed "copy and exit"
clipboard="$("$probe" --clipboard)"
[[ "${clipboard%% *}" == "200x150" ]] ||
    fail "the clipboard holds '$clipboard' after copying a 200x150 region"
require_running "after copying a capture"

# A third capture: the text tool's size picker. A click on its arrow must leave
# the list of sizes open under it (the click's release must not close it again).
# With the same region the text tool is the toolbar's third button (324, 467) and
# the picker's arrow sits at (324, 502), the list opening below it.
xdotool mousemove --window "$window" 100 10 click 1
wait_capture_open "the third 截屏"
select_region
xdotool mousemove 324 467 click 1
sleep 0.5
under_picker() { "$probe" 280 520 50 120 "$@"; }
closed_list="$(under_picker)"
xdotool mousemove 324 502 click 1
sleep 1
[[ "$(under_picker smoke-size-list.png)" != "$closed_list" ]] ||
    fail "a click on the size picker's arrow left no list open (see smoke-size-list.png in $PWD)"
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_capture_closed "Esc after the size list"
require_running "after the size picker"

# The Print key's command: "chromadeck --capture" opens the capture window alone,
# over the desktop as it is (the main window above still shows in its picture), and
# a second one while it is open opens nothing.
only_main_window="$(xdotool search --onlyvisible --name '^Chromadeck2\.0')"
eval "$(xdotool getwindowgeometry --shell "$window")"
drawn="$(grab)"
"$app" --capture >"$tmp/capture-only.log" 2>&1 &
capture_pid=$!
wait_capture_open "chromadeck --capture"
[[ "$(xdotool search --onlyvisible --name '^Chromadeck2\.0')" == "$only_main_window" ]] ||
    fail "chromadeck --capture showed a main window"
[[ "$(grab smoke-capture-only.png)" == "$drawn" ]] ||
    fail "the --capture window does not show the screen as it was (see smoke-capture-only.png)"
second_status=0
timeout 20 "$app" --capture 2>"$tmp/second.log" || second_status=$?
((second_status == 1)) ||
    fail "a second --capture while one is open ended with status $second_status, not 1"
[[ "$(capture_windows | wc -l)" == 1 ]] || fail "a second --capture opened a second window"

# Its copy outlives the window: after "复制退出" the process serves the clipboard
# with no window until another program takes the clipboard over.
select_region
press_copy_and_exit
wait_capture_closed "copy and exit in chromadeck --capture"
sleep 0.5
kill -0 "$capture_pid" 2>/dev/null || fail "chromadeck --capture ended before its copy was pasted"
xclip -selection clipboard -t image/png -o >"$tmp/pasted.png" ||
    fail "xclip could not read the picture that chromadeck --capture copied"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
read -r -a size <<<"$(od -An -tu1 -j16 -N8 "$tmp/pasted.png")"
pasted="$(((size[2] << 8) + size[3]))x$(((size[6] << 8) + size[7]))"
[[ "$pasted" == "200x150" ]] || fail "xclip pasted a $pasted picture, not the 200x150 region"
echo "another program's copy" | xclip -selection clipboard -i
for _ in $(seq 40); do
    kill -0 "$capture_pid" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$capture_pid" 2>/dev/null; then
    kill "$capture_pid"
    fail "chromadeck --capture kept running after another program took the clipboard"
fi
capture_status=0
wait "$capture_pid" || capture_status=$?
capture_pid=""
((capture_status == 0)) || fail "chromadeck --capture ended with status $capture_status"
echo "chromadeck --capture: its own window, one at a time, a copy pasted with xclip after"
echo "the window closed, and an end once another program took the clipboard."

# A laptop-sized window (1366 x 768 less the desktop's bars): the panel's lower
# controls are reached by scrolling it with the wheel, and "抠图" then opens the
# cut-out window. Scrolled to its end, the panel's lowest controls sit just above
# the window's bottom edge: "抠图" is centred 44 px in and 69 px up from it.
xdotool windowsize "$window" 1366 700
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 100 150
for _ in $(seq 12); do xdotool click 5; done
sleep 0.5
xdotool mousemove --window "$window" 44 $((HEIGHT - 69)) click 1
cutout=""
for _ in $(seq 40); do
    sleep 0.25
    require_running "after pressing 抠图 in a short window"
    cutout="$(xdotool search --onlyvisible --name '抠图$' 2>/dev/null || true)"
    [[ -n "$cutout" ]] && break
done
[[ -n "$cutout" ]] || fail "in a 1366x700 window the scrolled panel's 抠图 opened no cut-out window"
echo "In a 1366x700 window the panel scrolled and its 抠图 button opened the cut-out window."

# Last, "关闭" (the last item of "文件", the first menu of the bar) must end the
# program cleanly. In the sanitizer build that exit is when LeakSanitizer
# reports whatever the real window left behind, and its report fails the test.
xdotool mousemove --window "$window" 20 10 click 1
sleep 1
xdotool key Up Return
for _ in $(seq 120); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "关闭 in the 文件 menu did not end the program within 30 s"
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
((status == 0)) || fail "chromadeck exited with status $status after 关闭"
# Last, a screen at 200 %: the program again with QT_SCALE_FACTOR=2, where window
# pixels are two device pixels each way. A 200 x 150 region copied from the capture
# must be 400 x 300 on the clipboard and hold the screen's own pixels there. xdotool
# and the probe count device pixels: the menu entry at (200, 20), the region from
# (200, 200), its "复制退出" button at twice (285, 267) (see above).
QT_SCALE_FACTOR=2 "$app" >"$tmp/app.log" 2>&1 &
app_pid=$!
ids=""
for _ in $(seq 60); do
    require_running "at 200 % before showing its window"
    ids="$(timeout 1 xdotool search --sync --onlyvisible --name '^Chromadeck2\.0')" && break
done
[[ -n "$ids" ]] || fail "no window appeared at 200 % within 60 s"
window="${ids%%$'\n'*}"
sleep 1
screen_before="$("$probe" 200 200 400 300)"
xdotool mousemove --window "$window" 200 20 click 1
wait_capture_open "choosing 截屏 at 200 %"
xdotool mousemove 200 200 mousedown 1 mousemove 400 400 mousemove 600 500 mouseup 1
sleep 0.5
xdotool mousemove 570 534 click 1
wait_capture_closed "copy and exit at 200 %"
clipboard="$("$probe" --clipboard)"
[[ "$clipboard" == "400x300 $screen_before" ]] ||
    fail "at 200 % the clipboard holds '$clipboard' after copying a 200x150 region;" \
        "the screen there was 400x300 $screen_before"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

echo "Smoke test passed: drawing on the canvas, a screen capture opened and closed, a"
echo "captured 200x150 region copied to the clipboard, the size list opened, the panel"
echo "scrolled in a short window and a clean exit, all in the real window; at 200 % the"
echo "copied region has the screen's own 400x300 pixels."
