#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the project is not formatted as .clang-format says.
set -u
clang_format=${1:-clang-format}
bad=0
while IFS= read -r -d '' file; do
    if ! "$clang_format" --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        bad=1
    fi
done < <(find app core common platform drill exam exercises mainwindow server stats store teacher users tests bench tools fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null)
exit $bad
