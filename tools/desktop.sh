#!/usr/bin/env bash
# Sourced: paints the virtual display's desktop in one colour, so that the see-through parts of
# the clock can be told from the drawn ones on a screenshot. (xsetroot does not reach Xvfb's
# screen; ImageMagick's display does.)
vistrel_paint_desktop() {
    local colour="${1:-#3a6ea5}" size
    size=$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*x[0-9]*\).*/\1/p')
    convert -size "$size" "xc:$colour" "/tmp/vistrel-desktop-$$.png"
    display -window root "/tmp/vistrel-desktop-$$.png"
    rm -f "/tmp/vistrel-desktop-$$.png"
}
