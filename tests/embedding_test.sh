#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A parent project that adds Kovril with add_subdirectory gets the program, without
# Kovril's tests, benchmark or packaging.
set -euo pipefail
source_dir=${1:?usage: embedding_test.sh SOURCE_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/parent"
cat >"$scratch/parent/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(parent LANGUAGES CXX)
add_subdirectory("$source_dir" kovril)
if(TARGET test_startup OR TARGET kovril_bench)
    message(FATAL_ERROR "a parent project should not get Kovril's tests")
endif()
CMAKE
cmake -S "$scratch/parent" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$scratch/build" --target kovril -j 2 >/dev/null
test -x "$scratch/build/kovril/kovril"
echo "1 passed, 0 failed"
