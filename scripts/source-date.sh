# Sourced by the scripts that build: one date for everything a build writes,
# so that the same source gives the same bytes, wherever and whenever it is
# built. SOURCE_DATE_EPOCH is the last commit's time unless the caller set
# it; Qt's resource compiler reads it under a name of its own.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    # The checkout may belong to another user than the one building (sudo).
    SOURCE_DATE_EPOCH=$(git -c safe.directory="$PWD" log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=
fi
if [ -n "$SOURCE_DATE_EPOCH" ]; then
    export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
fi
