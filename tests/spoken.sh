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
