# Tempotik — a click-speed meter. Licensed under the MIT licence.
# What the window tells a screen reader in sentences, in its own words, for
# the checks on Linux and on Windows alike. Sourced.

# The status bar, with the last second's and ten seconds' clicks, the
# averages per second and per minute, and the total.
status_told() {
    echo "Laatste seconde: $1. Laatste 10 seconden: $2. Gemiddeld per seconde: $3. Gemiddeld per minuut: $4. Totaal: $5."
}
# A reset, with the averages per second and per minute it leaves on screen.
reset_told() {
    echo "Totaal: 0. De meting is gestopt; de gemiddelden blijven staan: per seconde $1, per minuut $2."
}

# The window's tree at start as a screen reader reads it, one control a line
# with its role and name, indented: over AT-SPI ("linux") or UI Automation
# ("windows"), where each caption is in its figure's name and a notification
# is no element that stays.
start_tree() {
    awk -F'|' -v os="$1" '
        function role(kind) {
            if (kind == "frame") return os == "linux" ? "panel" : "group"
            if (kind == "total") return "button"
            if (kind == "figure" || kind == "caption") return os == "linux" ? "label" : "text"
            return kind
        }
        BEGIN { print (os == "linux" ? "frame" : "window") " Tempotik" }
        /^#/ || (os == "windows" && ($2 == "caption" || $2 == "notification")) { next }
        {
            indent = $1
            sub(/[^ ].*/, "", indent)
            named = $2 == "total" || (os == "windows" && $2 == "figure")
            print "  " indent role($2) " " (named ? $4 " " : "") $3
        }' "$(dirname "${BASH_SOURCE[0]}")/controls.txt"
}
