#!/usr/bin/env bash
# Sourced: paints the virtual display's desktop in one colour, so that the see-through parts of
# the clock can be told from the drawn ones on a screenshot. (xsetroot does not reach Xvfb's
# screen; ImageMagick's display does.) A compositor paints the desktop from the root pixmap that
# desktops announce in _XROOTPMAP_ID, so on a composited display that pixmap is made too.
vistrel_paint_desktop() {
    local colour="${1:-#3a6ea5}" size
    size=$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*x[0-9]*\).*/\1/p')
    convert -size "$size" "xc:$colour" "/tmp/vistrel-desktop-$$.png"
    display -window root "/tmp/vistrel-desktop-$$.png"
    rm -f "/tmp/vistrel-desktop-$$.png"
    [ -n "${VISTREL_DESKTOP:-}" ] && vistrel_root_pixmap "$colour"
    return 0
}

# The root pixmap of one colour, kept after this client ends (as desktop painters keep it).
vistrel_root_pixmap() {
    python3 - "$1" <<'PY'
import ctypes, ctypes.util, sys
x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
vp, ul = ctypes.c_void_p, ctypes.c_ulong
x.XOpenDisplay.restype = vp
x.XDefaultRootWindow.restype = ul
x.XDefaultRootWindow.argtypes = [vp]
x.XCreatePixmap.restype = ul
x.XCreatePixmap.argtypes = [vp, ul, ctypes.c_uint, ctypes.c_uint, ctypes.c_uint]
x.XCreateGC.restype = vp
x.XCreateGC.argtypes = [vp, ul, ul, vp]
x.XSetForeground.argtypes = [vp, vp, ul]
x.XFillRectangle.argtypes = [vp, ul, vp, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint]
x.XInternAtom.restype = ul
x.XInternAtom.argtypes = [vp, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [vp, ul, ul, ul, ctypes.c_int, ctypes.c_int, vp, ctypes.c_int]
x.XSetWindowBackgroundPixmap.argtypes = [vp, ul, ul]
x.XClearWindow.argtypes = [vp, ul]
x.XSetCloseDownMode.argtypes = [vp, ctypes.c_int]
x.XDisplayWidth.argtypes = x.XDisplayHeight.argtypes = x.XDefaultDepth.argtypes = [vp, ctypes.c_int]
x.XCloseDisplay.argtypes = [vp]
d = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(d)
w, h = x.XDisplayWidth(d, 0), x.XDisplayHeight(d, 0)
pixmap = x.XCreatePixmap(d, root, w, h, x.XDefaultDepth(d, 0))
gc = x.XCreateGC(d, pixmap, 0, None)
x.XSetForeground(d, gc, int(sys.argv[1].lstrip("#"), 16))
x.XFillRectangle(d, pixmap, gc, 0, 0, w, h)
value = ctypes.c_ulong(pixmap)
for name in (b"_XROOTPMAP_ID", b"ESETROOT_PMAP_ID"):
    x.XChangeProperty(d, root, x.XInternAtom(d, name, 0), 20, 32, 0, ctypes.byref(value), 1)
x.XSetWindowBackgroundPixmap(d, root, pixmap)
x.XClearWindow(d, root)
x.XSetCloseDownMode(d, 1)  # RetainPermanent: the pixmap outlives this client
x.XCloseDisplay(d)
PY
}
