#!/usr/bin/env bash
# The README's key table is exactly what key_table_doc makes from the program's tables, and the
# check notices a changed, missing or added row and a missing marker.
# usage: key_table_doc_test.sh KEY_TABLE_DOC README
set -euo pipefail
tool=$1
readme=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
Fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$tool" --check "$readme" ||
    Fail "the README's key table differs from the program's: run $tool --write README.md"

damage=(
    's/^| Mark begin | .*/| Mark begin | `Ctrl+K` then `Ctrl+X` |/'
    '/^| Print block |/d'
    '/^| Print block |/a | Extra | `F12` |'
    '/^<!-- end of key table -->/d'
)
for edit in "${damage[@]}"; do
    sed "$edit" "$readme" >"$work/README.md"
    ! cmp -s "$readme" "$work/README.md" || Fail "sed '$edit' changed nothing in the README"
    if "$tool" --check "$work/README.md" 2>/dev/null; then
        Fail "the check passed a README damaged by sed '$edit'"
    fi
done

# --write mends a damaged table and keeps every other line; without its markers it refuses.
sed "${damage[0]}" "$readme" >"$work/README.md"
"$tool" --write "$work/README.md"
cmp -s "$readme" "$work/README.md" || Fail "--write did not restore the README"
sed "${damage[3]}" "$readme" >"$work/README.md"
cp "$work/README.md" "$work/before.md"
if "$tool" --write "$work/README.md" 2>/dev/null; then
    Fail "--write wrote a README that has no end marker"
fi
cmp -s "$work/before.md" "$work/README.md" || Fail "--write changed a README it refused"
echo "README key table: ok"
