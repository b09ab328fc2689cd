#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""The viewer as a user meets it, on a virtual display with a window
manager: started with a file that cannot be read and a generated one, it
reports the first in its log, shows the second, exports the view as PNG
through its file dialog and quits with status 0 on Ctrl+Q. The exported
picture must be the file's samples: along its bottom row the colours of
the traces' last samples, along its right column those of the last
trace's samples, each trace and sample the same width, as a numpy
rendering of the grey map (99th-percentile clip) gives them.
Usage: e2e_view.py ZEL-VIEW; exits 77 when a tool is missing."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import numpy as np
except ImportError:
    print("SKIP: needs numpy")
    sys.exit(77)

TRACES, SAMPLES = 40, 30
TITLE = "grid.sgy - ZEL Vornik Viewer"
TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl")


def samples():
    i, j = np.meshgrid(np.arange(TRACES), np.arange(SAMPLES), indexing="ij")
    return (6.0 * i + 2.0 * j - 150.0).astype(np.float32)


def write_file(path, values):
    binary = bytearray(400)
    binary[16:18] = (4000).to_bytes(2, "big")
    binary[20:22] = SAMPLES.to_bytes(2, "big")
    binary[24:26] = (5).to_bytes(2, "big")
    with open(path, "wb") as out:
        out.write(b"\x40" * 3200 + bytes(binary))
        for trace in values:
            header = bytearray(240)
            header[114:116] = SAMPLES.to_bytes(2, "big")
            out.write(bytes(header) + trace.astype(">f4").tobytes())


def grey_levels(values):
    """The grey map: -clip black, +clip white, the clip the magnitude at the
    99th percentile's rank."""
    magnitudes = np.sort(np.abs(values.ravel()))
    clip = magnitudes[int(round(0.99 * (magnitudes.size - 1)))]
    place = np.clip(0.5 + 0.5 * values / clip, 0.0, 1.0)
    return np.floor(255.0 * place + 0.5).astype(int)


def runs(line):
    """Run-length encoding of a row of grey levels: [(level, length)]."""
    edges = np.flatnonzero(np.diff(line)) + 1
    starts = np.concatenate(([0], edges))
    ends = np.concatenate((edges, [line.size]))
    return [(int(line[s]), int(e - s)) for s, e in zip(starts, ends)]


def check_line(line, expected, what):
    """`expected` (merged where neighbours are equal) appears in `line` as
    consecutive runs of equal width, within a pixel, but for the first and
    last, which may be cut by the view's edges."""
    merged = [int(level) for k, level in enumerate(expected) if k == 0 or level != expected[k - 1]]
    found = runs(line)
    levels = [level for level, _ in found]
    for start in range(len(levels) - len(merged) + 1):
        if levels[start:start + len(merged)] == merged:
            widths = [length for _, length in found[start + 1:start + len(merged) - 1]]
            counts = [sum(1 for _ in group) for group in np.split(expected, np.flatnonzero(np.diff(expected)) + 1)]
            per_cell = [w / c for w, c in zip(widths, counts[1:-1])]
            if per_cell and max(per_cell) - min(per_cell) > 1.01:
                sys.exit(f"FAIL: {what}: uneven cell widths {per_cell}")
            return
    sys.exit(f"FAIL: {what}: expected levels {merged} not in {levels}")


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}")


def find_window(env, title):
    """The id of the first visible window named `title`, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           env=env, capture_output=True, text=True)
    return found.stdout.split()[0] if found.returncode == 0 and found.stdout.split() else None


def press(env, window, key):
    subprocess.run(["xdotool", "windowactivate", "--sync", window, "key", key], env=env,
                   check=True)


def main():
    program = sys.argv[1]
    if not all(shutil.which(tool) for tool in TOOLS) or not os.access("/usr/bin/convert", os.X_OK):
        print(f"SKIP: needs {' '.join(TOOLS)} and ImageMagick")
        return 77
    scratch = tempfile.mkdtemp()
    children = []
    try:
        display_file = os.path.join(scratch, "display")
        with open(display_file, "w") as numbers:
            children.append(subprocess.Popen(
                ["Xvfb", "-displayfd", str(numbers.fileno()), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp"], pass_fds=(numbers.fileno(),), stderr=subprocess.DEVNULL))
        wait_for(lambda: os.path.getsize(display_file) > 0, 20, "Xvfb did not start")
        with open(display_file) as numbers:
            display = ":" + numbers.read().strip()
        env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
        env.update(DISPLAY=display, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                   XDG_DATA_HOME=os.path.join(scratch, "data"),
                   XDG_RUNTIME_DIR=scratch, LC_ALL="C.UTF-8")
        children.append(subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: subprocess.run(["wmctrl", "-m"], env=env, capture_output=True)
                 .returncode == 0, 20, "openbox did not start")

        values = samples()
        grid = os.path.join(scratch, "grid.sgy")
        hostile = os.path.join(scratch, "hostile.sgy")
        write_file(grid, values)
        with open(hostile, "wb") as out:
            out.write(b"\xff" * 5000)
        viewer = subprocess.Popen([program, hostile, grid], env=env)
        children.append(viewer)
        wait_for(lambda: find_window(env, TITLE), 30, f"no window titled '{TITLE}'")
        window = find_window(env, TITLE)
        exported = os.path.join(scratch, "view.png")
        # The export dialog takes the name typed into it; the picture is
        # read by then, the file being small.
        time.sleep(1)
        press(env, window, "ctrl+e")
        wait_for(lambda: find_window(env, "Export the view"), 20, "no export dialog")
        time.sleep(0.5)
        subprocess.run(["xdotool", "type", "--delay", "20", exported], env=env, check=True)
        subprocess.run(["xdotool", "key", "Return"], env=env, check=True)
        wait_for(lambda: os.path.exists(exported) and os.path.getsize(exported) > 0, 20,
                 "the view was not exported")
        press(env, window, "ctrl+q")
        if viewer.wait(timeout=20) != 0:
            sys.exit(f"FAIL: the viewer ended with status {viewer.returncode}")

        log = os.path.join(scratch, "data", "Zelmorra Corp", "zel-view", "zel-view.console")
        with open(log, encoding="utf-8") as text:
            if hostile not in text.read():
                sys.exit("FAIL: the file that cannot be read is not in the log")

        size = subprocess.run(["/usr/bin/identify", "-format", "%w %h", exported],
                              capture_output=True, text=True, check=True).stdout.split()
        width, height = int(size[0]), int(size[1])
        raw = subprocess.run(["/usr/bin/convert", exported, "-depth", "8", "gray:-"],
                             capture_output=True, check=True).stdout
        picture = np.frombuffer(raw, np.uint8).reshape(height, width).astype(int)
        levels = grey_levels(values)
        # A few pixels in from the edges, past the view's margin.
        check_line(picture[height - 4, :], levels[:, -1], "bottom row")
        check_line(picture[:, width - 4], levels[-1, :], "right column")
        print(f"PASS: {width}x{height} export matches the samples")
        return 0
    finally:
        for child in reversed(children):
            if child.poll() is None:
                child.kill()
                child.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
