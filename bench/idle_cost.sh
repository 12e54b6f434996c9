#!/usr/bin/env bash
# What the clock costs between the user's glances, side by side with the least a clock can do
# (bench/bare_window_win.cpp: a topmost borderless window, a 1000 ms timer, one DrawTextA when
# its text changes, one tray icon). Under the test session's Wine on its private Xvfb, runs in
# turn: nothing (Wine's own idle background), the bare window, the bare window see-through with a
# colour key (the least a see-through clock can do where the desktop does not compose windows:
# its shape changes with its text), the clock in screen mode and the clock in wallpaper mode
# (seconds shown, signal and alarm off), for a number of rounds, and prints
#   - CPU per minute of the program, the wineserver, the X server and Wine's other processes,
#     and the total net of the idle run, as a ratio to the bare window's;
#   - X window maps and unmaps per minute (every child of the root window);
#   - resident memory at the end of each run and start-up (launch to its window on the screen),
#     and the median start-up of IDLE_COST_STARTS (default 7) starts of each in turn;
#   - the size of the release Morovin.exe and whether it is stripped.
# Usage: bench/idle_cost.sh [seconds per run] [rounds]   (defaults 60 and 2, about 11 minutes:
# Wine's own background swings too much over shorter runs).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${IDLE_COST_SECONDS:-60}}
rounds=${2:-${IDLE_COST_ROUNDS:-2}}
if [ -z "${MOROVIN_IDLE_COST_SESSION:-}" ]; then
    export MOROVIN_IDLE_COST_SESSION=$$
    exec "$root/scripts/test-session" bash "$0" "$seconds" "$rounds"
fi

win=$root/build/win
xvfb=$(pgrep -P "$PPID" -x Xvfb || true)
[ -n "$xvfb" ] || { echo "idle_cost: needs the private Xvfb of scripts/test-session" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The session's Wine processes: those started with our prefix.
wine_pids() {
    local p comm
    for p in $(pgrep -u "$(id -u)"); do
        comm=$(cat "/proc/$p/comm" 2>/dev/null) || continue
        case $comm in wineserver* | *.exe) ;; *) continue ;; esac
        { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
    return 0
}
# CPU time of the given processes, all their threads, in nanoseconds (the scheduler's own
# count: clock ticks are too coarse for a program that works a few milliseconds a minute).
cpu_ns() {
    local total=0 p t ns
    for p in "$@"; do
        for t in /proc/"$p"/task/*/schedstat; do
            { read -r ns _ <"$t"; } 2>/dev/null || continue
            total=$((total + ns))
        done
    done
    echo "$total"
}
# The same in clock ticks from the processes' own totals, which keep the time of threads that
# have ended (Wine's helper processes start and end threads now and then).
cpu_ticks_ns() {
    local total=0 p t
    for p in "$@"; do
        t=$(awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$p/stat" 2>/dev/null) || continue
        total=$((total + t))
    done
    echo $((total * 1000000000 / $(getconf CLK_TCK)))
}

wineserver=$(for p in $(wine_pids); do case $(cat "/proc/$p/comm") in wineserver*) echo "$p" ;; esac; done)

# Each program in a folder of its own: Morovin reads its settings beside the exe.
for mode in screen wallpaper; do
    mkdir -p "$work/$mode"
    cp "$win/Morovin.exe" "$work/$mode/"
    back=0
    [ "$mode" = wallpaper ] && back=1
    printf '[Form]\r\nLeft=198\r\nTop=103\r\n[Prop]\r\nBack=%s\r\nSecond=1\r\nJihou=0\r\n[Timer]\r\nON/OFF=0\r\n' \
        "$back" >"$work/$mode/Morovin.ini"
done

# launch NAME EXE WINDOW-TITLE [ARGUMENTS]: starts the program and waits for its window on the
# screen; sets launched_pid and launched_ms (launch to the window shown).
launch() {
    local name=$1 exe=$2 title=$3 t0 t1 tries=0
    shift 3
    t0=$(date +%s%N)
    "$root/scripts/wine-run" "$exe" "$@" >/dev/null 2>&1 </dev/null &
    launched_pid=$!
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        if [ $((tries += 1)) -gt 1500 ] || ! kill -0 "$launched_pid" 2>/dev/null; then
            echo "idle_cost: $name never showed its window" >&2
            kill "$launched_pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.01
    done
    t1=$(date +%s%N)
    launched_ms=$(((t1 - t0) / 1000000))
}

# measure NAME EXE WINDOW-TITLE [ARGUMENTS]: one run; appends "name cpu... maps unmaps rss startup" to the results.
measure() {
    local name=$1 exe=$2 title=$3 pid="" startup=0
    if [ -n "$exe" ]; then
        launch "$@" || return 1
        pid=$launched_pid startup=$launched_ms
    fi
    sleep 2 # start-up's own work is not counted
    local others
    others=$(wine_pids | grep -vx -e "${pid:-none}" $(printf -- '-e %s ' $wineserver) || true)
    stdbuf -oL xev -root -event substructure >"$work/xev" 2>/dev/null &
    local xev=$!
    sleep 0.5
    local p0 s0 x0 o0 p1 s1 x1 o1
    p0=$(cpu_ns $pid) s0=$(cpu_ns $wineserver) x0=$(cpu_ns "$xvfb") o0=$(cpu_ticks_ns $others)
    sleep "$seconds"
    p1=$(cpu_ns $pid) s1=$(cpu_ns $wineserver) x1=$(cpu_ns "$xvfb") o1=$(cpu_ticks_ns $others)
    local rss=0
    [ -n "$pid" ] && rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$xev" 2>/dev/null || true
    wait "$xev" 2>/dev/null || true
    local maps unmaps
    maps=$(grep -c '^MapNotify' "$work/xev" || true)
    unmaps=$(grep -c '^UnmapNotify' "$work/xev" || true)
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    echo "$name $((p1 - p0)) $((s1 - s0)) $((x1 - x0)) $((o1 - o0)) $maps $unmaps $rss $startup" >>"$work/results"
    awk -v s="$seconds" -v line="$name $((p1 - p0)) $((s1 - s0)) $((x1 - x0)) $((o1 - o0)) $maps $unmaps $rss $startup" '
        BEGIN { split(line, f, " "); k = 60 / 1e6 / s
                printf "  %-10s program %6.1f  wineserver %6.1f  X %6.1f  other Wine %6.1f ms/min;  maps %d unmaps %d;  RSS %d kB;  start-up %d ms\n",
                       f[1], f[2] * k, f[3] * k, f[4] * k, f[5] * k, f[6], f[7], f[8], f[9] }'
}

# started NAME EXE TITLE [ARGUMENTS]: milliseconds from launch to its window on the screen; the
# program is closed again at once.
started() {
    launch "$@" || return 1
    kill "$launched_pid" 2>/dev/null || true
    wait "$launched_pid" 2>/dev/null || true
    echo "$launched_ms"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Start-up alone, many times in turn (one start is too noisy to compare): the median of each.
starts=${IDLE_COST_STARTS:-7}
started bare "$win/bare_window_win.exe" BareClock >/dev/null # the first start of any program warms Wine
: >"$work/starts-bare"
: >"$work/starts-clock"
for i in $(seq "$starts"); do
    started bare "$win/bare_window_win.exe" BareClock >>"$work/starts-bare"
    started clock "$work/wallpaper/Morovin.exe" Morovin >>"$work/starts-clock"
done
bare_start=$(median <"$work/starts-bare")
clock_start=$(median <"$work/starts-clock")
echo "start-up, median of $starts: bare $bare_start ms, Morovin $clock_start ms," \
    "$(awk -v a="$clock_start" -v b="$bare_start" 'BEGIN { printf "%.2fx", a / b }') the bare window's"

echo "idle cost: $rounds rounds of $seconds s per run, $(nproc) cores"
for round in $(seq "$rounds"); do
    echo "round $round"
    measure idle "" ""
    measure bare "$win/bare_window_win.exe" BareClock
    measure keyedbare "$win/bare_window_win.exe" BareClock keyed
    measure screen "$work/screen/Morovin.exe" Morovin
    measure wallpaper "$work/wallpaper/Morovin.exe" Morovin
done

awk -v s="$seconds" '
    { n[$1]++; cpu[$1] += $2 + $3 + $4 + $5; prog[$1] += $2; maps[$1] += $6 + $7; rss[$1] += $8; up[$1] += $9 }
    END {
        k = 60 / 1e6 / s
        idle = cpu["idle"] / n["idle"]
        bare = cpu["bare"] / n["bare"] - idle
        printf "averages (CPU net of the idle run: %.1f ms/min of Wine and X doing nothing)\n", idle * k
        printf "  %-10s %11s %8s %13s %8s %16s %12s %9s %8s\n", "", "net ms/min", "vs bare", "program alone",
               "vs bare", "maps+unmaps/min", "RSS vs bare", "start-up", "vs bare"
        split("bare keyedbare screen wallpaper", order, " ")
        for (i = 1; i <= 4; i++) {
            m = order[i]
            net = cpu[m] / n[m] - idle
            printf "  %-10s %11.1f %7.2fx %13.1f %7.2fx %16.1f %11.2fx %6.0f ms %7.2fx\n", m, net * k,
                   (bare > 0 ? net / bare : 0), prog[m] / n[m] * k, prog[m] / prog["bare"], maps[m] / n[m] * 60 / s,
                   (rss[m] / n[m]) / (rss["bare"] / n["bare"]), up[m] / n[m], (up[m] / n[m]) / (up["bare"] / n["bare"])
        }
        keyed = cpu["keyedbare"] / n["keyedbare"] - idle
        printf "screen mode against the keyed bare window (whose shape changes with its text too): net %.2fx, program alone %.2fx\n",
               (keyed > 0 ? (cpu["screen"] / n["screen"] - idle) / keyed : 0), prog["screen"] / prog["keyedbare"]
    }' "$work/results"

exe=$win/Morovin.exe
if x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug\|\.symtab' ||
    x86_64-w64-mingw32-nm "$exe" 2>&1 | grep -qv 'no symbols'; then
    stripped="not stripped"
else
    stripped="stripped"
fi
echo "Morovin.exe: $(stat -c %s "$exe") bytes, $stripped"
