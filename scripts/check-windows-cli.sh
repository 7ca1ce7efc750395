#!/bin/sh
# Runs plumora-cli.exe (scripts/build-windows-cli.sh) under Wine and compares
# what it gives with the Linux build's plumora-cli, byte for byte: list,
# format, style and diff on the example projects, or on the projects found
# under the folders given as arguments (such as a corpus of real projects).
#
# Paths that the programs print are native on each side ("/work/x/A.bas"
# against "Z:\work\x\A.bas", and Windows keeps the project's spelling of a
# name); they are brought to one form before comparing. Everything else,
# the styled files above all, must be the same bytes.
#
#   sh scripts/check-windows-cli.sh [FOLDER...]
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
linux=${PLUMORA_LINUX_CLI:-build/plumora-cli}
windows=${PLUMORA_WINDOWS_CLI:-build-windows/plumora-cli.exe}

sh scripts/bootstrap.sh windows
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$linux" ] || { echo "check-windows-cli: $linux is missing (build it first)" >&2; exit 2; }
[ -f "$windows" ] || { echo "check-windows-cli: $windows is missing (sh scripts/build-windows-cli.sh)" >&2; exit 2; }

work=$(mktemp -d)
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/config"
# Both sides read the same (empty) settings folder.
export PLUMORA_CONFIG_DIR="$work/config"
wine_config="Z:$(echo "$work/config" | tr / '\\\\')"

run_linux() { "$linux" "$@"; }
run_windows() { PLUMORA_CONFIG_DIR="$wine_config" "$wine" "$windows" "$@"; }

# The first run sets up Wine's folder and says so; it is not compared.
run_windows --version >/dev/null 2>&1 || true

# Paths to one form: a drive "Z:" and '\' become '/', letters lower case.
# Only lines that name a path of the machine go through this.
normalise_paths() { sed -e 's|Z:\\|/|g' -e 's|\\|/|g' | tr 'A-Z' 'a-z'; }

failures=0
checks=0
same() {  # same NAME FILE1 FILE2
    checks=$((checks + 1))
    if ! cmp -s "$2" "$3"; then
        echo "DIFFERENT: $1"
        diff "$2" "$3" | head -20 || true
        failures=$((failures + 1))
    fi
}

check_project() {  # check_project PROJECT  (a path relative to the repository or absolute)
    project=$1
    tag=$(echo "$project" | tr -c 'A-Za-z0-9' '_')
    out="$work/$tag"
    mkdir -p "$out"
    # list: the table and the version line; the path column in one form.
    run_linux list "$project" --yes >"$out/list.lin" 2>&1 || echo "exit $?" >>"$out/list.lin"
    run_windows list "$project" --yes >"$out/list.win" 2>&1 || echo "exit $?" >>"$out/list.win"
    normalise_paths <"$out/list.lin" >"$out/list.lin.n"
    normalise_paths <"$out/list.win" >"$out/list.win.n"
    same "list $project" "$out/list.lin.n" "$out/list.win.n"

    # style: the whole output directory byte for byte, and the report.
    run_linux style "$project" --yes --out "$out/lin" >"$out/style.lin" 2>&1 || echo "exit $?" >>"$out/style.lin"
    run_windows style "$project" --yes --out "$out/win" >"$out/style.win" 2>&1 || echo "exit $?" >>"$out/style.win"
    sed "s|$out/lin|OUT|" "$out/style.lin" | normalise_paths >"$out/style.lin.n"
    sed "s|$out/win|OUT|" "$out/style.win" | normalise_paths | sed "s|$(echo "$out" | tr 'A-Z' 'a-z')/win|out|" >"$out/style.win.n"
    sed -i "s|$(echo "$out" | tr 'A-Z' 'a-z')/lin|out|" "$out/style.lin.n"
    same "style $project (report)" "$out/style.lin.n" "$out/style.win.n"
    checks=$((checks + 1))
    if ! diff -r "$out/lin" "$out/win" >"$out/style.diff" 2>&1; then
        echo "DIFFERENT: style $project (output directory)"
        head -20 "$out/style.diff"
        failures=$((failures + 1))
    fi

    # format (to stdout, and --check) and diff on every source of the project.
    dir=$(dirname "$project")
    find "$dir" -type f \( -iname '*.bas' -o -iname '*.frm' -o -iname '*.cls' -o -iname '*.ctl' \) | sort >"$out/sources"
    while IFS= read -r source; do
        run_linux format "$source" >"$out/f.lin" 2>"$out/f.lin.err" || echo "exit $?" >>"$out/f.lin"
        run_windows format "$source" >"$out/f.win" 2>"$out/f.win.err" || echo "exit $?" >>"$out/f.win"
        same "format $source" "$out/f.lin" "$out/f.win"
        run_linux format - --stdin-filename "$source" <"$source" >"$out/s.lin" 2>/dev/null || echo "exit $?" >>"$out/s.lin"
        run_windows format - --stdin-filename "$source" <"$source" >"$out/s.win" 2>/dev/null || echo "exit $?" >>"$out/s.win"
        same "format - $source" "$out/s.lin" "$out/s.win"
        styled="$out/lin/$(basename "$source")"
        if [ -f "$styled" ]; then
            run_linux diff --unified "$source" "$styled" >"$out/d.lin" 2>&1 || echo "exit $?" >>"$out/d.lin"
            run_windows diff --unified "$source" "$styled" >"$out/d.win" 2>&1 || echo "exit $?" >>"$out/d.win"
            normalise_paths <"$out/d.lin" >"$out/d.lin.n"
            normalise_paths <"$out/d.win" >"$out/d.win.n"
            same "diff $source" "$out/d.lin.n" "$out/d.win.n"
            run_linux diff "$source" "$styled" >"$out/r.lin" 2>&1 || echo "exit $?" >>"$out/r.lin"
            run_windows diff "$source" "$styled" >"$out/r.win" 2>&1 || echo "exit $?" >>"$out/r.win"
            same "diff (rows) $source" "$out/r.lin" "$out/r.win"
        fi
    done <"$out/sources"
}

# Windows paths in a project that only Windows can follow: a drive path, a
# name in another letter case than on disk, and a Windows-1252 name (the
# project file holds byte 0xC9 for the capital E acute; the disk, as Wine
# shows it to Windows, holds the same letter).
check_windows_names() {
    names="$work/names"
    mkdir -p "$names/sub"
    printf 'Attribute VB_Name = "Cafe"\r\nSub S()\r\nx = 1\r\nEnd Sub\r\n' >"$names/Café.bas"
    printf 'Attribute VB_Name = "Deep"\r\nSub S()\r\ny = 2\r\nEnd Sub\r\n' >"$names/sub/Deep.bas"
    drive="Z:$(echo "$names" | tr / '\\')"
    printf 'Module=Cafe; CAF\311.BAS\r\nModule=Deep; %s\\SUB\\DEEP.BAS\r\n' "$drive" >"$names/Names.vbp"
    checks=$((checks + 1))
    if run_windows style "$names/Names.vbp" --yes --out "$work/names-out" >"$work/names.out" 2>&1 &&
        grep -q 'styled 2 files' "$work/names.out" &&
        grep -q '    x = 1' "$work/names-out/CAFÉ.BAS" && grep -q '    y = 2' "$work/names-out/DEEP.BAS"; then
        :
    else
        echo "DIFFERENT: Windows paths (drive letter, letter case, Windows-1252 name)"
        cat "$work/names.out"
        ls "$work/names-out" 2>&1 || true
        failures=$((failures + 1))
    fi
}

if [ $# -eq 0 ]; then
    check_windows_names
    set -- examples
fi
for folder in "$@"; do
    find "$folder" -type f \( -iname '*.vbp' -o -iname '*.mak' \) | sort >"$work/projects"
    while IFS= read -r project; do
        echo "check-windows-cli: $project"
        check_project "$project"
    done <"$work/projects"
done

echo "check-windows-cli: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
