#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a 1920 × 1080 virtual screen, clicks through its buttons
# and scroll bars as a student would and keeps a screenshot after each step.
# Usage: scripts/screenshots.sh [build dir] [output dir] [display number]
# Needs the Debian packages xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-screenshots}
number=${3:-}
mkdir -p "$out"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "needs $tool (xvfb, xdotool, imagemagick)" >&2; exit 1; }
done

# The first display number no X server holds, unless one is given.
if [ -z "$number" ]; then
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { number=$n; break; }
    done
fi
program=""
Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
cleanup() { kill $program "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
export DISPLAY=:$number
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
# Four page steps down the number of rays (top left, x 0 … 33): 50 rays, then their beam.
for _ in 1 2 3 4; do click 16 330; done
click $command5; shot 07-beam-of-50-rays
# Drag the source down to the left, clear of the controls, and drop it.
xdotool mousemove 204 292 mousedown 1 mousemove 300 450 mousemove 400 700 mouseup 1
shot 08-source-dragged
# With no printer the page becomes a PDF in the documents folder, and a box says so.
click $command6; shot 09-print-message
xdotool key Return
shot 10-after-print
cp "$home"/Documents/*.pdf "$out"/ 2>/dev/null || true
