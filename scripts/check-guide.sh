#!/usr/bin/env bash
# Keeps the guide truthful: every C++, CMake and resource fragment in docs/ and README.md is a
# piece of a file that the build compiles or runs, and every picture they show exists. A
# fragment is fenced as ```cpp, ```cmake or ```rc and preceded by the line
#   <!-- from <path in the repository> -->
# and its lines, compared without their leading and trailing blanks, stand one after the other
# in that file; a line "// ..." or "# ..." in a fragment leaves out lines of the file, and the
# pieces around it stand in the file in that order. Exits non-zero naming each fragment or
# picture that is not so.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

awk '
function trim(s) { gsub(/^[ \t]+|[ \t\r]+$/, "", s); return s }
function fail(message) { print FILENAME ":" fence_line ": " message; failures++ }
function check(path,    n, line, i, j, k, from, found, piece, count) {
    delete source
    if (path == "") { fail("fragment without a <!-- from ... --> line"); return }
    n = 0
    while ((getline line < path) > 0) source[++n] = trim(line)
    close(path)
    if (n == 0) { fail("no such file: " path); return }
    from = 1
    i = 1
    while (i <= lines) {
        # One piece: the lines up to the next elision.
        count = 0
        while (i <= lines && fragment[i] != "// ..." && fragment[i] != "# ...") piece[++count] = fragment[i++]
        i++
        if (count == 0) continue
        found = 0
        for (j = from; j + count - 1 <= n && !found; j++) {
            for (k = 1; k <= count && source[j + k - 1] == piece[k]; k++) {}
            if (k > count) { found = 1; from = j + count }
        }
        if (!found) { fail("not in " path ": " piece[1]); return }
    }
}
function check_pictures(line,    picture, folder) {
    folder = FILENAME
    sub(/[^\/]*$/, "", folder)
    while (match(line, /!\[[^]]*\]\([^)]*\)/)) {
        picture = substr(line, RSTART, RLENGTH)
        line = substr(line, RSTART + RLENGTH)
        sub(/^!\[[^]]*\]\(/, "", picture)
        sub(/\)$/, "", picture)
        fence_line = FNR
        if ((getline unused < (folder picture)) < 0) fail("no such picture: " picture)
        close(folder picture)
    }
}
FNR == 1 { path = ""; inside = 0 }
!inside { check_pictures($0) }
/^<!-- from .* -->$/ { path = $3; next }
!inside && /^```(cpp|cmake|rc)$/ { inside = 1; lines = 0; fence_line = FNR; next }
inside && /^```$/ { inside = 0; check(path); path = ""; next }
inside { fragment[++lines] = trim($0); next }
/^```/ { path = "" }
END { exit failures > 0 }
' $(find docs -name '*.md' | sort) README.md
