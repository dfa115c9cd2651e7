#!/usr/bin/env bash
# No include runs from a lower folder of clock/ up to a higher one: common is the ground floor,
# then settings and widgets, then face, alarm and timesync, then options, then app.
# And no part of the clock window (a type that knows the window only through ClockSurface)
# includes another part: each keeps to its own concern.
cd "$(dirname "$0")/.."
bad=0
grep -rnoE '#include "clock/[a-z]+/' clock |
    sed -E 's#^clock/([a-z]+)/[^:]*:[0-9]+:\#include "clock/([a-z]+)/#\1 \2 &#' |
    awk 'BEGIN { n = split("common 1 settings 2 widgets 2 face 3 alarm 3 timesync 3 options 4 app 5", a, " ")
                 for (i = 1; i < n; i += 2) floor[a[i]] = a[i + 1] }
         $1 != $2 && floor[$2] >= floor[$1] { print "up a floor: " $3 " " $4; bad = 1 }
         END { exit bad }' || bad=1
parts=$(grep -l '#include "clock/app/clock_surface_win.h"' clock/app/*.h | grep -v main_window)
for part in $parts; do
    for other in $parts; do
        [ "$part" = "$other" ] && continue
        if grep -q "#include \"$other\"" "${part%.h}".*; then
            echo "a part includes another: $part -> $other"
            bad=1
        fi
    done
done
exit $bad
