#!/usr/bin/env bash
# Fails when a tracked C++ file is not formatted as .clang-format says
# (run clang-format -i on it). CTest runs it as SourceTree.ClangFormatClean.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
