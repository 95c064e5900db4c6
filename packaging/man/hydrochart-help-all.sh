#!/bin/sh
# Answers --help and --version for help2man: hydrochart's own usage followed by the options of
# every command (each of which hydrochart prints on `COMMAND --help`), in the shape help2man
# turns into sections: a heading line ending in a colon, a synopsis paragraph, option lines.
set -eu
exe=${HYDROCHART:?HYDROCHART names the hydrochart executable}
case "${1:-}" in
  --version)
    exec "$exe" --version ;;
  --help)
    "$exe" --help | sed -e 's/^usage:/Usage:/' -e 's/^commands:$/Commands:/' | expand -t 10
    for command in $("$exe" --help | sed -n 's/^  \([a-z][a-z]*\)\t.*/\1/p'); do
      printf '\nOptions of hydrochart %s:\n' "$command"
      "$exe" "$command" --help | awk '
        /^usage: / { sub(/^usage: /, ""); usage = $0; open = 1; next }
        open && /^ +\[/ { sub(/^ +/, " "); usage = usage $0; next }
        open { print "  " usage; print ""; open = 0 }
        /^  defaults: / { sub(/^  defaults: /, "Defaults: "); print; print ""; next }
        { print }
        END { if (open) print "  " usage }'
    done ;;
  *)
    echo "usage: $0 --help|--version" >&2
    exit 2 ;;
esac
