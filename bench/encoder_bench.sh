#!/bin/bash
# Benchmark of the encoder program register.dat against FFmpeg's own tools:
#   1. probe time per file: "register.dat -i FILE" against "ffprobe FILE", on
#      20 files made here (several containers and codecs);
#   2. a 30-second 1280x720 libx264 job through register.dat against ffmpeg
#      run directly with the same options.
# Prints the figures and the two ratios (goals: probe <= 1.2, job <= 1.02).
#
# Usage: bench/encoder_bench.sh [BUILD_DIR]   (default: build)
# Environment: PROBE_RUNS (runs per file and tool, default 10),
#              JOB_RUNS (runs per side, default 2).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
encoder=$build/bin/register.dat
probe_runs=${PROBE_RUNS:-10}
job_runs=${JOB_RUNS:-2}
[ -x "$encoder" ] || { echo "no encoder program at $encoder (build first)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s%N; }
ms() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1000000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

make_clip() { # name seconds size codec-args...
    local name=$1 seconds=$2 size=$3
    shift 3
    local inputs=()
    [ "$size" != none ] && inputs+=(-f lavfi -i "testsrc2=size=$size:rate=25:duration=$seconds")
    inputs+=(-f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds")
    ffmpeg -hide_banner -nostdin -v error -y "${inputs[@]}" "$@" "$work/$name"
}

echo "== making 20 probe files"
make_clip a1.avi 5 320x240 -c:v mpeg4 -c:a libmp3lame
make_clip a2.avi 10 640x480 -c:v libxvid -c:a libmp3lame
make_clip a3.avi 5 320x240 -c:v msmpeg4 -c:a mp2
make_clip m1.mp4 5 320x240 -c:v libx264 -pix_fmt yuv420p -c:a aac
make_clip m2.mp4 10 1280x720 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
make_clip m3.m4v 5 480x320 -c:v mpeg4 -c:a aac
make_clip k1.mkv 5 320x240
make_clip k2.mkv 5 640x360 -c:v mpeg4 -c:a ac3
make_clip p1.mpg 5 352x288 -c:v mpeg1video -c:a mp2 -f mpeg
make_clip p2.vob 5 720x576 -c:v mpeg2video -pix_fmt yuv420p -c:a ac3 -f vob
make_clip t1.ts 5 640x480 -c:v mpeg2video -c:a mp2
make_clip w1.wmv 5 320x240 -c:v wmv2 -c:a wmav2
make_clip w2.asf 5 320x240 -c:v msmpeg4 -c:a wmav2
make_clip f1.flv 5 320x240 -c:v flv -c:a libmp3lame
make_clip q1.mov 5 320x240 -c:v mpeg4 -c:a aac
make_clip g1.3gp 5 176x144 -c:v h263 -c:a aac -ar 8000 -ac 1
make_clip r1.rm 5 320x240 -c:v rv20 -c:a ac3
make_clip s1.mp3 10 none -c:a libmp3lame
make_clip s2.wav 5 none -c:a pcm_s16le
make_clip s3.ogg 5 none -c:a libvorbis

echo "== probe: $probe_runs runs per file and tool (ms per run)"
printf "%-8s %10s %10s %7s\n" file register ffprobe ratio
total_ours=0
total_theirs=0
for file in "$work"/*.*; do
    ours=0
    theirs=0
    for ((i = 0; i < probe_runs; i++)); do # alternate, so that both see the same machine
        t=$(now); "$encoder" -i "$file" > /dev/null 2>&1 || true; ours=$((ours + $(now) - t))
        t=$(now); ffprobe -hide_banner "$file" > /dev/null 2>&1 || true; theirs=$((theirs + $(now) - t))
    done
    total_ours=$((total_ours + ours))
    total_theirs=$((total_theirs + theirs))
    printf "%-8s %10s %10s %7s\n" "$(basename "$file")" "$(ms $((ours / probe_runs)))" \
        "$(ms $((theirs / probe_runs)))" "$(ratio $ours $theirs)"
done
probe_ratio=$(ratio $total_ours $total_theirs)
echo "probe total: register.dat $(ms $total_ours) ms, ffprobe $(ms $total_theirs) ms"

echo "== job: 30 s 1280x720, libx264, $job_runs runs per side"
ffmpeg -hide_banner -nostdin -v error -y -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=30" \
    -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=30" \
    -c:v libx264 -preset ultrafast -qp 10 -pix_fmt yuv420p -c:a aac "$work/source.mp4"
options=(-r 25 -b 2000000 -ab 128000 -ac 2 -aspect 1.7778 -s 1280x720 -ar 48000
         -c:v libx264 -pix_fmt yuv420p -c:a aac)
job_ours=0
job_theirs=0
for ((i = 0; i < job_runs; i++)); do
    t=$(now); "$encoder" -y -i "$work/source.mp4" "${options[@]}" "$work/ours.mp4" > /dev/null 2>&1
    d=$(($(now) - t)); job_ours=$((job_ours + d)); echo "register.dat run $((i + 1)): $(ms $d) ms"
    t=$(now); ffmpeg -nostdin -y -i "$work/source.mp4" "${options[@]}" "$work/theirs.mp4" > /dev/null 2>&1
    d=$(($(now) - t)); job_theirs=$((job_theirs + d)); echo "ffmpeg direct run $((i + 1)): $(ms $d) ms"
done
job_ratio=$(ratio $job_ours $job_theirs)

echo "== results"
echo "probe ratio (register.dat / ffprobe): $probe_ratio   (goal <= 1.2)"
echo "job ratio (register.dat / ffmpeg):    $job_ratio   (goal <= 1.02)"
