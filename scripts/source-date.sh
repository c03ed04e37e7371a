# Sourced by the scripts that build and package, so that the same source
# gives the same bytes, wherever and whenever it is built. The build itself
# writes no date: Qt's resource compiler, which would write each file's time
# (and reads SOURCE_DATE_EPOCH before its own variable), writes a fixed one,
# so that a build folder made at an older commit still matches a fresh one.
# A package carries the source's date: SOURCE_DATE_EPOCH, the last commit's
# time unless the caller set it, given to the packaging commands alone.
export QT_RCC_SOURCE_DATE_OVERRIDE=1
# The checkout may belong to another user than the one building (sudo).
source_date=${SOURCE_DATE_EPOCH:-$(git -c safe.directory="$PWD" log -1 --format=%ct 2>/dev/null || true)}
unset SOURCE_DATE_EPOCH
# Runs a command that packages with the source's date, where there is one.
with_source_date() {
    if [ -n "$source_date" ]; then
        SOURCE_DATE_EPOCH=$source_date "$@"
    else
        "$@"
    fi
}
# The project's version, which names its packages.
version=$(sed -n 's/^project(Tempotik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
