#!/usr/bin/env bash
# Starts the real program under Xvfb on the synthetic game, answers its dialogs as a
# user would (Open dialog, version chooser) and writes a PNG of the main window.
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
wait_for() { # window name
    for _ in $(seq 1 100); do
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
# A real window: whatever platform the tests around us use, this one is X.
QT_QPA_PLATFORM=xcb "$work/Tovrane" > "$work/program.log" 2>&1 &
pid=$!
open=$(wait_for "Tovrane - Open ROM File")
sleep 0.5
xdotool windowfocus --sync "$open" || true
xdotool type --delay 5 "$work/game.gb"
xdotool key Return
chooser=$(wait_for "Tovrane")
sleep 0.5
# The version list stands at (48, 40) pixels, its first entry on its first line; OK at (88, 120).
click_in "$chooser" 80 46
click_in "$chooser" 120 132
sleep 1.5
main=$(xdotool search --onlyvisible --name "^Tovrane\$" | tail -1)
import -window "$main" "$out/main_window.png"
import -window root "$out/screen.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" "$work" "$out"
test -s "$out/main_window.png"
echo "screenshot written to $out/main_window.png"
