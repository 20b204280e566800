#!/usr/bin/env python3
"""Turns the JSON results of scripts/bench.sh into a table on the terminal and
the markdown report docs/performance.md. Usage: bench_report.py RESULTS_DIR REPORT"""
import json
import os
import platform
import subprocess
import sys
from datetime import datetime, timezone

SCREENS = [
    ("Searching", "searching: two particle bursts, five markers"),
    ("LevelComplete", "level complete: seconds turning into points, confetti"),
    ("GameOver", "game over: differences shown, text sliding"),
    ("NameEntry", "name entry: 20480 x 1536 stretched panorama, 100 sparks"),
    ("HighScoreTable", "high-score table"),
    ("Menu", "menu: item lit, help line"),
    ("IntroTitle", "intro: title tiles dropping"),
    ("Credits", "credits: 500 sparks"),
]
UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
# Every single repetition's time in ms, by (result file, benchmark).
SPREADS = {}


def load(results, name):
    path = os.path.join(results, name + ".json")
    if not os.path.exists(path):
        return {}, {}
    with open(path) as f:
        data = json.load(f)
    found = {}
    for run in data.get("benchmarks", []):
        aggregate = run.get("aggregate_name")
        key = run.get("run_name", run["name"])
        if run.get("run_type") == "iteration" and not run.get("error_occurred"):
            SPREADS.setdefault((name, key), []).append(ms(run))
        if aggregate not in (None, "median"):
            continue
        if run.get("error_occurred"):
            found[key] = {"error": run.get("error_message", "error")}
            continue
        found[key] = run
    return found, data.get("context", {})


def ms(run):
    if not run or "error" in run:
        return None
    return run["real_time"] * UNIT_TO_MS[run["time_unit"]]


def find(runs, prefix):
    for key, run in runs.items():
        if key.startswith(prefix):
            return run
    return None


def fmt(value, digits=2):
    return "—" if value is None else f"{value:.{digits}f}"


def spread_us(results_name, prefix):
    """'min–max' of the single repetitions in µs, so noise can be told from change."""
    for (name, key), values in SPREADS.items():
        if name == results_name and key.startswith(prefix) and values:
            return f"{min(values) * 1000:.0f}–{max(values) * 1000:.0f}"
    return "—"


def read_text(path):
    try:
        with open(path) as f:
            return f.read().strip()
    except OSError:
        return ""


def cpu_share_section(results, out):
    path = os.path.join(results, "cpu_share.json")
    if not os.path.exists(path):
        return
    with open(path) as f:
        data = json.load(f)
    out("## The running game's share of the processor")
    out("")
    out(f"The real game (`build/dist/qxdata`) as a process on Xvfb (no GPU: OpenGL is Mesa's llvmpipe),")
    out(f"its own processor time (user + system, /proc/PID/stat) over {data['seconds']:.0f} s of wall time,")
    out(f"in % of one core; min / median / max of {data['repetitions']} runs, interleaved. \"menu\": idle")
    out("in the menu after the intro was skipped; \"search\": a level of the built-in pictures, searching.")
    out("Renderer \"auto\" is the game's own choice, the others are forced with SDL_RENDER_DRIVER")
    out("(\"software\" then still goes through SDL's OpenGL window texture). \"baseline\" is the build")
    out("named by BASELINE_QXDATA, measured in the same run. Aim: at most 10 % in the menu, at most")
    out(f"35 % during a search. Load average after the run: {data.get('load_after', '?')}.")
    out("")
    out("| Build / renderer | menu (%) | search (%) | Aim |")
    out("|---|---:|---:|---|")
    for key, figures in data["figures"].items():
        menu, search = figures["menu"], figures["search"]
        cell = lambda f: f"{f['min']:.1f} / **{f['median']:.1f}** / {f['max']:.1f}"
        ok = menu["median"] <= 10 and search["median"] <= 35
        out(f"| {key} | {cell(menu)} | {cell(search)} | {verdict(ok)} |")
    out("")


def verdict(ok):
    return "—" if ok is None else ("met" if ok else "MISSED")


def machine():
    model = "unknown processor"
    try:
        for line in subprocess.run(["lscpu"], capture_output=True, text=True).stdout.splitlines():
            if line.startswith("Model name:"):
                model = line.split(":", 1)[1].strip()
    except OSError:
        pass
    memory = ""
    try:
        with open("/proc/meminfo") as f:
            kib = int(f.readline().split()[1])
            memory = f"{kib / 1024 / 1024:.0f} GiB"
    except (OSError, ValueError, IndexError):
        pass
    return f"{model}, {os.cpu_count()} cores, {memory} memory, Linux {platform.release()}"


def main():
    results, report = sys.argv[1], sys.argv[2]
    screens, context = load(results, "screens")
    startup, _ = load(results, "startup")
    window, _ = load(results, "startup_window")
    editor, _ = load(results, "editor")
    launcher, _ = load(results, "launcher")
    platform_runs, _ = load(results, "platform")
    scenegen_runs, _ = load(results, "scenegen")
    photo_runs, _ = load(results, "photo")

    lines = []
    out = lines.append
    out("# Performance")
    out("")
    out(f"Last run: {datetime.now(timezone.utc).strftime('%Y-%m-%d %H:%M UTC')} on {machine()}.")
    out(f"Load average at the start: {', '.join(f'{x:.2f}' for x in context.get('load_avg', []))}"
        f" (uptime before the run: {read_text(os.path.join(results, 'load_before.txt')) or '?'};"
        f" after: {read_text(os.path.join(results, 'load_after.txt')) or '?'}).")
    out("Figures are medians of five runs of each benchmark (`make bench`), with the spread (fastest to")
    out("slowest run) beside them, on the headless backend at 1024 x 768 with the real artwork, sounds")
    out("and picture set of the installation folder. The machine is shared: compare only figures of")
    out("one run, and read a change smaller than the spread as noise.")
    out("")
    out("## Frames")
    out("")
    out("One frame of each screen at its busiest moment, everything a frame does included: the screen's")
    out("logic, every draw into the back buffer, and presenting it (one copy of the finished frame).")
    out("The limit for comparison is one plain copy of a whole 1024 x 768 frame at the same depth,")
    out("measured in the same run. Target: at most 1 ms and at most 5 times that copy.")
    out("")
    out("| Screen | 32 bits (µs) | spread | x copy | 16 bits (µs) | spread | x copy | Target |")
    out("|---|---:|---:|---:|---:|---:|---:|---|")
    copy32 = ms(find(screens, "BM_FullFrameCopy/32"))
    copy16 = ms(find(screens, "BM_FullFrameCopy/16"))
    all_met = True
    for key, label in SCREENS:
        t32 = ms(find(screens, f"BM_Frame_{key}/32"))
        t16 = ms(find(screens, f"BM_Frame_{key}/16"))
        r32 = t32 / copy32 if t32 and copy32 else None
        r16 = t16 / copy16 if t16 and copy16 else None
        ok = None
        if None not in (t32, t16, r32, r16):
            ok = t32 <= 1.0 and t16 <= 1.0 and r32 <= 5.0 and r16 <= 5.0
            all_met = all_met and ok
        out(f"| {label} | {fmt(t32 and t32 * 1000, 0)} | {spread_us('screens', f'BM_Frame_{key}/32')} | "
            f"{fmt(r32, 1)} | {fmt(t16 and t16 * 1000, 0)} | {spread_us('screens', f'BM_Frame_{key}/16')} | "
            f"{fmt(r16, 1)} | {verdict(ok)} |")
    out(f"| full-frame copy (the limit) | {fmt(copy32 and copy32 * 1000, 0)} | "
        f"{spread_us('screens', 'BM_FullFrameCopy/32')} | 1.0 | {fmt(copy16 and copy16 * 1000, 0)} | "
        f"{spread_us('screens', 'BM_FullFrameCopy/16')} | 1.0 | |")
    out("")
    cpu_share_section(results, out)
    out("## Start-up, level set-up, tools")
    out("")
    out("| Measure | Figure | Target |")
    out("|---|---:|---|")
    head = find(startup, "BM_StartUpToFirstFrame_Headless")
    head_ms = ms(head)
    head_peak = head.get("peak_MB") if head and "error" not in head else None
    out(f"| start-up, process start to first frame (headless) | {fmt(head_ms, 0)} ms | under 300 ms: "
        f"{verdict(None if head_ms is None else head_ms < 300)} |")
    out(f"| peak memory of that process | {fmt(head_peak, 0)} MB | under 120 MB: "
        f"{verdict(None if head_peak is None else head_peak < 120)} |")
    win = find(window, "BM_StartUpToFirstFrame_SdlWindow")
    if win and "error" not in win:
        out(f"| start-up with the SDL window on Xvfb (information) | {fmt(ms(win), 0)} ms, "
            f"{fmt(win.get('peak_MB'), 0)} MB | |")
    setup = ms(find(screens, "BM_SetUpLevel"))
    out(f"| SetUpLevel, real picture set | {fmt(setup)} ms | under 5 ms: "
        f"{verdict(None if setup is None else setup < 5)} |")
    refresh = ms(find(editor, "BM_RefreshWith512Pairs"))
    out(f"| editor refresh, 512 pairs | {fmt(refresh)} ms | under 50 ms: "
        f"{verdict(None if refresh is None else refresh < 50)} |")
    recheck = ms(find(editor, "BM_Recheck512Pairs"))
    out(f"| editor re-check of 1024 unchanged pictures | {fmt(recheck)} ms | |")
    build = find(editor, "BM_Build512Pairs")
    disk = find(editor, "BM_DiskWriteAndFlush")
    build_rate = build.get("bytes_per_second", 0) / 1e6 if build and "error" not in build else None
    disk_rate = disk.get("bytes_per_second", 0) / 1e6 if disk and "error" not in disk else None
    share = build_rate / disk_rate if build_rate and disk_rate else None
    out(f"| editor build, 512 pairs | {fmt(ms(build), 0)} ms, {fmt(build_rate, 0)} MB/s | "
        f"{fmt(share and share * 100, 0)} % of the disk |")
    out(f"| the disk: same bytes written and flushed | {fmt(ms(disk), 0)} ms, {fmt(disk_rate, 0)} MB/s | |")
    load_ms = ms(find(launcher, "BM_LauncherLoad100Entries"))
    out(f"| launcher Load, 100 entries | {fmt(load_ms)} ms | |")
    decode = ms(find(platform_runs, "BM_DecodeGamePicture"))
    out(f"| decoding one game picture (488 x 430 to 490 x 430) | {fmt(decode and decode * 1000, 0)} µs | |")
    for arg, name in ((0, "leicht"), (1, "mittel"), (2, "schwer")):
        run = find(scenegen_runs, f"BM_GenerateTenPairs/{arg}")
        rate = run.get("pairs_per_second") if run and "error" not in run else None
        out(f"| picture pairs made per second, one core, {name} | {fmt(rate, 1)} | "
            f"at least 10: {verdict(rate is not None and rate >= 10)} |")
    full = ms(find(photo_runs, "BM_DecodeFull12Megapixel"))
    out(f"| baseline: decoding a 12-megapixel photo in full | {fmt(full, 0)} ms | |")
    fit = ms(find(photo_runs, "BM_Fit12Megapixel"))
    out(f"| fitting a 12-megapixel photo to 488 x 430 | {fmt(fit, 0)} ms | |")
    pair = ms(find(photo_runs, "BM_Pair12Megapixel"))
    out(f"| a pair from a 12-megapixel photo, in process | {fmt(pair, 0)} ms | |")
    program_run = find(photo_runs, "BM_QxtoolPairProgram12Megapixel")
    program = ms(program_run)
    program_cpu = program_run.get("program_cpu_ms") if program_run and "error" not in program_run else None
    out(f"| `qxtool pair`, 12-megapixel photo, whole program | {fmt(program, 0)} ms "
        f"({fmt(program_cpu, 0)} ms of processor time) | under 1000 ms: "
        f"{verdict(None if program is None else program < 1000)} |")
    out("")
    text = "\n".join(lines) + "\n"
    print(text)
    notes_marker = "<!-- notes -->"
    notes = ""
    if os.path.exists(report):
        with open(report) as f:
            old = f.read()
        if notes_marker in old:
            notes = old[old.index(notes_marker):]
    with open(report, "w") as f:
        f.write(text)
        if notes:
            f.write("\n" + notes)
    if not all_met:
        print("Some frame targets were missed; see the table.", file=sys.stderr)


if __name__ == "__main__":
    main()
