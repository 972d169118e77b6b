#!/usr/bin/env bash
# Measures the real program under a virtual X server (Xvfb, 1024 x 768): the
# time from start to the main menu drawn, then the processor time it takes
# while it waits for the player, from /proc over SECONDS (10) each, on the
# main menu, on a turn screen of a new single-player game and minimised.
#
#   scripts/idle-cpu.sh [BUILD_FOLDER] [SECONDS]
#
# The game runs in a scratch data folder, so the player's own games and
# settings are not touched. Needs Xvfb (installed when missing) and python3
# (its ctypes reaches the X libraries SDL already uses: to read pixels, to
# click and to minimise the window without a window manager).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
seconds=${2:-10}
"$here/install-deps.sh" xvfb

work=$(mktemp -d)
display_number=57
cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for d in Images Terrain Sounds; do cp -r "$build/data/$d" "$work/$d"; done
Xvfb ":$display_number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.05; done

# The probe starts the game itself, so the start time is taken from the fork.
KV_GAME="$build/korvessa" KV_DATA="$work" KV_SECONDS="$seconds" python3 - <<'PY'
import ctypes, os, subprocess, sys, time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                           ctypes.POINTER(ctypes.c_uint)]
x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

dpy = x11.XOpenDisplay(None)
root = x11.XDefaultRootWindow(dpy)

def lit_pixels():
    """Pixels off black on a coarse grid over the screen."""
    image = x11.XGetImage(dpy, root, 0, 0, 1024, 768, 0xFFFFFFFF, 2)
    if not image:
        return 0
    count = sum(1 for y in range(8, 768, 32) for x in range(8, 1024, 32)
                if x11.XGetPixel(image, x, y) & 0xFFFFFF)
    x11.XDestroyImage(image)
    return count

def click(x, y):
    xtst.XTestFakeMotionEvent(dpy, -1, x, y, 0)
    xtst.XTestFakeButtonEvent(dpy, 1, 1, 0)
    xtst.XTestFakeButtonEvent(dpy, 1, 0, 0)
    x11.XFlush(dpy)

def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

def measure(pid, what, seconds):
    time.sleep(1.0)  # let the screen settle
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    share = (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start) * 100
    print(f"{what:<28} {share:5.1f} % of a core")

def minimise():
    """Marks the game's window hidden as a window manager would."""
    children = ctypes.POINTER(ctypes.c_ulong)()
    count, parent, top = ctypes.c_uint(), ctypes.c_ulong(), ctypes.c_ulong()
    x11.XQueryTree(dpy, root, ctypes.byref(top), ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
    state = x11.XInternAtom(dpy, b"_NET_WM_STATE", 0)
    hidden = (ctypes.c_ulong * 1)(x11.XInternAtom(dpy, b"_NET_WM_STATE_HIDDEN", 0))
    atom = x11.XInternAtom(dpy, b"ATOM", 0)
    wm_state = x11.XInternAtom(dpy, b"WM_STATE", 0)
    iconic = (ctypes.c_ulong * 2)(3, 0)
    for i in range(count.value):
        x11.XChangeProperty(dpy, children[i], state, atom, 32, 0, hidden, 1)
        x11.XChangeProperty(dpy, children[i], wm_state, wm_state, 32, 0, iconic, 2)
    x11.XSync(dpy, 0)

start = time.monotonic()
game = subprocess.Popen([os.environ["KV_GAME"], "--data", os.environ["KV_DATA"]], cwd=os.environ["KV_DATA"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
drawn = None
while time.monotonic() - start < 30:
    if lit_pixels() > 50:
        drawn = time.monotonic() - start
        drawn_cpu = cpu_seconds(game.pid)
        break
    time.sleep(0.002)
if drawn is None:
    sys.exit("the main menu was not drawn within 30 s")
seconds = float(os.environ["KV_SECONDS"])
# On a busy machine the wall time grows with the others' load; the processor
# time the game spent (all its threads) does not.
print(f"{'start to main menu drawn':<28} {drawn * 1000:5.0f} ms ({drawn_cpu * 1000:.0f} ms of processor time)")
measure(game.pid, "idle on the main menu", seconds)
click(512, 350)   # SINGLE PLAYER
time.sleep(1.0)
click(896, 696)   # LAUNCH
time.sleep(2.0)
measure(game.pid, "idle on a turn screen", seconds)
minimise()
measure(game.pid, "minimised", seconds)
game.terminate()
game.wait()
PY
