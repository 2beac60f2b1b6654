#!/usr/bin/env bash
# Starts the real program under Xvfb on the synthetic game, answers its dialogs as a
# user would (Open dialog, version chooser) and writes a PNG of the main window, then
# one of each editor window and of the About window, each from a run of its own;
# at the end it takes the display away from a running program, which must not crash.
# Usage: screenshot.sh TOVRANE SYNTHETIC_GAME OUTPUT_FOLDER
set -euo pipefail
program=$1
maker=$2
out=$3
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program reads its data files from its own folder: give it a folder of its own.
cp "$program" "$work/Tovrane"
"$maker" "$work"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
out=$2
wait_for() { # window name; a first start on a busy machine can take several seconds
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "window '$1' did not appear" >&2
    return 1
}
click_in() { # window x y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
# Starts the program and brings it to its main window (a PNG of the version chooser
# on the way when a file name is given); sets pid and main.
start() {
    # A real window: whatever platform the tests around us use, this one is X.
    QT_QPA_PLATFORM=xcb "$work/Tovrane" >> "$work/program.log" 2>&1 &
    pid=$!
    local open chooser
    open=$(wait_for "Tovrane - Open ROM File")
    sleep 0.5
    xdotool windowfocus --sync "$open" || true
    xdotool type --delay 5 "$work/game.gb"
    xdotool key Return
    chooser=$(wait_for "Tovrane")
    sleep 0.5
    [ -n "${1:-}" ] && import -window "$chooser" "$out/$1"
    # The version list stands at (48, 40) pixels, its first entry on its first line; OK at (88, 120).
    click_in "$chooser" 80 46
    click_in "$chooser" 120 132
    sleep 1.5
    main=$(xdotool search --onlyvisible --name "^Tovrane\$" | tail -1)
    xdotool windowfocus --sync "$main" || true
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
# Presses the main window's "Go" (map chooser frame at (120, 6240) twips, Go at
# (4440, 960) in it, 615 x 375), below the menu bar, for the map selected at start.
press_go() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local menu=$((HEIGHT - 7815 / 15))
    xdotool mousemove $((X + (120 + 4440 + 300) / 15)) $((Y + menu + (6240 + 960 + 180) / 15)) click 1
    sleep 0.5
}
# One run per window: opens it from the main window with its key and waits for its caption.
open_window() { # keys caption [go]
    start
    [ "${3:-}" = go ] && press_go
    xdotool key "$1"
    win=$(wait_for "$2")
    sleep 1
    xdotool windowfocus --sync "$win" || true
}

start version_chooser.png
import -window "$main" "$out/main_window.png"
import -window root "$out/screen.png"
stop

open_window ctrl+w "Warp Editor"
import -window "$win" "$out/warp_editor.png"
# "Edit Warp-To Points": frame at (120, 6240) twips, the option at (120, 600) in it.
click_in "$win" 40 464
sleep 0.7
import -window "$win" "$out/warp_editor_warp_to.png"
stop

open_window ctrl+e "Event Editor"
import -window "$win" "$out/event_editor.png"
# The type list's first entry at (240, 6600) twips, the others below it; Go at (1680, 7440), 615 x 255.
for type in 2:items 3:trainers; do
    click_in "$win" 40 446
    for _ in $(seq 1 "${type%%:*}"); do xdotool key Down; done
    click_in "$win" 132 504
    sleep 0.7
    import -window "$win" "$out/event_editor_${type#*:}.png"
done
stop

open_window ctrl+b "Tovrane - Building Block Editor"
import -window "$win" "$out/block_editor.png"
stop

open_window ctrl+p "Wild Pokémon Editor" go
import -window "$win" "$out/wild_editor.png"
stop

open_window F1 "About Tovrane"
import -window "$win" "$out/about.png"
stop

# Last, the display goes away under the running program: Qt ends it, and it must end
# without a crash. It gets a display of its own, so the one around us stays.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xpid=$!
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(head -1 "$work/display") start
kill "$xpid"
status=0
wait "$pid" || status=$?
if [ "$status" -ge 128 ]; then
    echo "the program crashed (status $status) when the display went away" >&2
    exit 1
fi
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" "$work" "$out" || { cat "$work/program.log" >&2; exit 1; }
for png in version_chooser main_window warp_editor warp_editor_warp_to event_editor event_editor_items event_editor_trainers \
    block_editor wild_editor about; do
    test -s "$out/$png.png"
done
echo "screenshots written to $out"
