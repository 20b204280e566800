#!/usr/bin/env python3
"""The processor share of the real game as a process, on a virtual X display:
idle in the menu and during a search, once for each SDL renderer.

The game is started in a folder that looks like an installation, the intro
skipped with a key and "Neues Spiel" clicked with relative pointer moves, as
a player would. The share is the process's own processor time (user and
system, from /proc/PID/stat) over a fixed span of wall time, so other work
on a shared machine does not count, only slows the game's own.

Usage: cpu_share_bench.py OUT_JSON DIST_DIR LABEL=QXDATA [LABEL=QXDATA ...]
Environment: CPU_SHARE_SECONDS (10), CPU_SHARE_REPETITIONS (3).
"""
import json
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TICKS = os.sysconf("SC_CLK_TCK")
RENDERERS = [("auto", None), ("opengl", "opengl"), ("software", "software")]
MENU_NEW_GAME = (540, 284)


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15; the split starts at field 3.
    return (int(fields[11]) + int(fields[12])) / TICKS


def share_over(pid, seconds):
    start_cpu, start_wall = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start_wall)


def xdotool(display, *args):
    subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display),
                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)


def window_shown(display):
    tree = subprocess.run(["xwininfo", "-root", "-tree"], env=dict(os.environ, DISPLAY=display),
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    return '"Qualdrex Engine"' in tree


def pointer(display):
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=dict(os.environ, DISPLAY=display),
                         stdout=subprocess.PIPE, text=True).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values.get("X", 0)), int(values.get("Y", 0))


def start_xvfb():
    for _ in range(20):
        display = f":{random.randint(200, 900)}"
        if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
            continue
        server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        if server.poll() is None:
            return display, server
    raise RuntimeError("no free X display")


def shot(display, name):
    folder = os.environ.get("CPU_SHARE_SHOTS")
    if folder:
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")],
                       env=dict(os.environ, DISPLAY=display), stderr=subprocess.DEVNULL, check=False)


def measure_once(qxdata, dist, renderer, seconds):
    display, server = start_xvfb()
    work = tempfile.mkdtemp(prefix="vistrel-cpu-")
    game = None
    try:
        os.symlink(os.path.join(dist, "data"), os.path.join(work, "data"))
        with open(os.path.join(work, "vst.dat"), "wb") as f:
            f.write(b"\xff")  # the built-in game file, as the launcher writes it
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy")
        env.pop("SDL_VIDEODRIVER", None)
        env.pop("SDL_RENDER_DRIVER", None)
        if renderer:
            env["SDL_RENDER_DRIVER"] = renderer
        game = subprocess.Popen([qxdata], cwd=work, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 60
        while not window_shown(display):
            if time.monotonic() > deadline or game.poll() is not None:
                raise RuntimeError("the game window does not appear")
            time.sleep(0.2)
        time.sleep(1.0)
        start_x, start_y = pointer(display)
        xdotool(display, "key", "space")  # skips the intro
        time.sleep(3.0)  # the menu fades in and settles
        menu = share_over(game.pid, seconds)
        shot(display, f"menu-{renderer}")
        xdotool(display, "mousemove_relative", "--", str(MENU_NEW_GAME[0] - start_x),
                str(MENU_NEW_GAME[1] - start_y))
        time.sleep(0.3)
        xdotool(display, "mousedown", "1")
        time.sleep(0.15)
        xdotool(display, "mouseup", "1")
        time.sleep(4.0)  # the level set-up and the pictures sliding in
        search = share_over(game.pid, seconds)
        shot(display, f"search-{renderer}")
        if game.poll() is not None:
            raise RuntimeError("the game ended during the measurement")
        return menu, search
    finally:
        if game is not None and game.poll() is None:
            game.kill()
            game.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


def spread(values):
    return {"min": min(values), "median": statistics.median(values), "max": max(values),
            "runs": values}


def main():
    out_path, dist = sys.argv[1], os.path.abspath(sys.argv[2])
    programs = [arg.split("=", 1) for arg in sys.argv[3:]]
    seconds = float(os.environ.get("CPU_SHARE_SECONDS", "10"))
    repetitions = int(os.environ.get("CPU_SHARE_REPETITIONS", "3"))
    samples = {}
    # Repetitions interleaved across programs and renderers, so that a busy
    # spell of the machine does not fall on one of them only.
    for repetition in range(repetitions):
        for label, qxdata in programs:
            for name, renderer in RENDERERS:
                key = f"{label}/{name}"
                try:
                    menu, search = measure_once(os.path.abspath(qxdata), dist, renderer, seconds)
                except RuntimeError as error:
                    print(f"{key}: {error}", file=sys.stderr)
                    continue
                print(f"{key} run {repetition + 1}: menu {menu * 100:.1f} %, search {search * 100:.1f} %",
                      file=sys.stderr)
                entry = samples.setdefault(key, {"menu": [], "search": []})
                entry["menu"].append(menu * 100)
                entry["search"].append(search * 100)
    with open("/proc/loadavg") as f:
        load = " ".join(f.read().split()[:3])
    result = {"seconds": seconds, "repetitions": repetitions, "load_after": load,
              "figures": {key: {moment: spread(values) for moment, values in entry.items()}
                          for key, entry in samples.items()}}
    with open(out_path, "w") as f:
        json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
