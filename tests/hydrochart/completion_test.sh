#!/usr/bin/env bash
# hydrochart's bash completion as an interactive shell runs it: the commands, a command's
# options, the values an option lists, and file names where a file goes.
set -u
exe=$(realpath "$1")
# shellcheck source=/dev/null
source "$2"
complete -p hydrochart | grep -q _hydrochart || { echo "FAIL: no completion for hydrochart"; exit 1; }
cd "$(mktemp -d)" || exit 1
touch sample.xls section.txt
failures=0
expect() {
    local want=$1
    shift
    COMP_WORDS=("$exe" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _hydrochart
    local got="${COMPREPLY[*]}"
    if [ "$got" != "$want" ]; then
        echo "FAIL: hydrochart $* <TAB> offered '$got', not '$want'"
        failures=$((failures + 1))
    fi
}
expect "hexa hfed" h
expect "--version" --v
expect "--format" hexa --fo
expect "--jobs" piper --jo
expect "pdf svg png json csv" hexa --format ""
expect "json csv" check --format ""
expect "mass meq" gibbs --gibbs-basis ""
expect "on off" piper --fields ""
expect "" flow --depth ""
expect "sample.xls section.txt" hexa s
expect "sample.xls" hexa -o sa
expect "section.txt" flow --depth 3 se
rm -f sample.xls section.txt
[ "$failures" -eq 0 ] || exit 1
echo "completion as expected"
