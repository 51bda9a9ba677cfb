# Shell helpers for reading the real program's windows through the probe, shared by the
# Windows program's tests. Source it; it expects `wine_run` and `probe_exe`.

# Every visible window of the prefix with its controls, as the probe lists them.
probe() { "$wine_run" "$probe_exe" 2>/dev/null | tr -d '\r'; }

# The text of one control of the visible window of a class, from a probe's listing on the
# standard input, or from a new one.
text_in() {  # window class, control id
    awk -v cls="$1" -v id="$2" '
        /^window / { inside = ($2 == cls) }
        inside && $1 == "control" && $2 == id { sub(/^[^"]*"/, ""); sub(/"$/, ""); print; exit }'
}
text_of() { probe | text_in "$@"; }
