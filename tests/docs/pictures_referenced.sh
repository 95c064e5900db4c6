#!/usr/bin/env bash
# The user's guide and the README show only pictures that exist, every picture in docs/images
# is shown somewhere, and each stays small enough for a repository (about 200 KB).
#   tests/docs/pictures_referenced.sh SOURCE_DIR
set -euo pipefail
src="${1:?usage: pictures_referenced.sh SOURCE_DIR}"
status=0
declare -A referenced=()
check_doc() {  # DOC (paths in it are relative to its folder)
  local doc="$1" dir ref
  dir="$(dirname "$doc")"
  while IFS= read -r ref; do
    [[ $ref == http* ]] && continue
    referenced["$(realpath -m "$dir/$ref")"]=1
    if [[ ! -f "$dir/$ref" ]]; then
      echo "${doc#"$src"/}: picture missing: $ref" >&2
      status=1
    fi
  done < <(grep -o '!\[[^]]*\]([^)]*)' "$doc" | sed 's/.*](\([^)]*\))/\1/')
}
for doc in "$src/README.md" "$src/docs/guide.md" "$src/docs/guide.en.md"; do
  [[ -f "$doc" ]] || { echo "missing: ${doc#"$src"/}" >&2; status=1; continue; }
  check_doc "$doc"
done
for png in "$src"/docs/images/*.png; do
  path="$(realpath -m "$png")"
  if [[ -z "${referenced[$path]:-}" ]]; then
    echo "docs/images/$(basename "$png") is shown nowhere" >&2
    status=1
  fi
  size=$(stat -c %s "$png")
  if (( size > 220000 )); then
    echo "docs/images/$(basename "$png") is $size bytes (keep pictures under about 200 KB)" >&2
    status=1
  fi
done
exit $status
