#!/usr/bin/env bash
# Start-up time (process start to the frame first shown) and resident memory of the idle program
# with no document, each over several runs under a virtual X server.
#   bench/measure-startup.sh [BUILD_BIN_DIR] [RUNS]
# The program is copied with its plug-ins into a scratch folder whose quillora.ini says "not the
# first run, no tips", so the runs neither ask nor leave settings behind.
set -euo pipefail
bin_dir=${1:-build/default/bin}
runs=${2:-11}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$bin_dir/quillora" "$scratch/"
cp "$bin_dir"/*.pip "$scratch/" 2>/dev/null || true
printf '[OnePoint]\r\nView = 0\r\n[Flags]\r\nFirst = 0\r\n' > "$scratch/quillora.ini"

cat > "$scratch/runs.sh" <<'INNER'
#!/usr/bin/env bash
# Quits 2 s after the frame is shown, after the 1200 ms stage has made the floating windows.
for _ in $(seq "$2"); do
  start=$(date +%s%3N)
  out=$(QUILLORA_MEASURE_STARTUP=2000 "$1/quillora")
  shown=$(sed -n 's/^frame-shown-epoch-ms //p' <<<"$out")
  rss=$(sed -n 's/^rss-kb //p' <<<"$out")
  echo "$((shown - start)) $rss"
done
INNER
chmod +x "$scratch/runs.sh"
xvfb-run -a "$scratch/runs.sh" "$scratch" "$runs" 2>/dev/null > "$scratch/results"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
echo "runs: $runs"
echo "start to frame shown, ms: median $(cut -d' ' -f1 "$scratch/results" | median)  (all: $(cut -d' ' -f1 "$scratch/results" | tr '\n' ' '))"
echo "idle resident memory, MB: median $(cut -d' ' -f2 "$scratch/results" | median | awk '{printf "%.1f", $1 / 1024}')"
