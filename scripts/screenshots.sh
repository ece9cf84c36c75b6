#!/usr/bin/env bash
# Starts the real program on a 1920 × 1080 virtual screen, clicks through its buttons
# and scroll bars as a student would and keeps a screenshot after each step.
# Usage: scripts/screenshots.sh [build dir] [output dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-screenshots}
mkdir -p "$out"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "needs $tool (xvfb, xdotool, imagemagick)" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
cleanup() { kill "$program" "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
sleep 1
export DISPLAY=$display
HOME=$home "$build/kovril" &
program=$!
xdotool search --sync --name "Kovril" >/dev/null
sleep 1

shot() { sleep 0.7; import -window root "$out/$1.png"; echo "$out/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; }

# Button centres on a 1920 × 1080 screen (the frame there is 3 pixels a unit).
command1="1200 38"; command2="1200 113"; command3="1200 189"
command6="1488 38"; command4="1488 113"; command5="1488 189"

shot 01-start
click $command1; shot 02-least-time-point
click $command2; shot 03-beam
click $command3; shot 04-huygens-circles
click $command4; shot 05-ray-continuation
# The time scroll bar at the bottom (x 576 … 876): page steps to the right.
for _ in 1 2 3 4 5 6 7 8 9 10 11; do click 860 1021; done
shot 06-time-stepped-beam
click $command5; shot 07-beam-again
# Drag the source to the lower left and drop it.
xdotool mousemove 204 292 mousedown 1 mousemove 200 400 mousemove 150 700 mouseup 1
shot 08-source-dragged
click $command6; shot 09-print-message
xdotool key Return
shot 10-after-print
