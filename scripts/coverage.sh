#!/usr/bin/env bash
# Line coverage of the core libraries by the core tests: a core-only build with coverage counters
# in build-coverage/, its tests, then gcovr's summary over the core sources.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
command -v gcovr >/dev/null || { export DEBIAN_FRONTEND=noninteractive; apt-get install -y -q gcovr >/dev/null; }
cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DBW_COVERAGE=ON -DBW_GUI=OFF -DBW_BENCH=OFF >/dev/null
find build-coverage -name '*.gcda' -delete
cmake --build build-coverage -j"$(nproc)"
(cd build-coverage && ctest -j"$(nproc)" >/dev/null)
# The core sources are those the core targets list in src/*/CMakeLists.txt.
filters=()
for f in $(python3 - <<'PY'
import os, re
for sub in sorted(os.listdir("src")):
    cm = os.path.join("src", sub, "CMakeLists.txt")
    if not os.path.isfile(cm):
        continue
    for m in re.finditer(r"\w+\(\s*(\w+)\s+core\s+SOURCES(.*?)\)", open(cm).read(), re.S):
        for name in m.group(2).split():
            if name.endswith(".cpp"):
                print(os.path.join("src", sub, name))
PY
); do filters+=(--filter "$PWD/$f"); done
gcovr -r . --object-directory build-coverage "${filters[@]}" --print-summary -s "$@" | tail -n 3
