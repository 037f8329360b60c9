#!/usr/bin/env bash
# Start-up time (process start to the frame first shown) and resident memory of the idle program
# with no document, each over several runs under a virtual X server.
#   bench/measure-startup.sh [BUILD_BIN_DIR] [RUNS]
# The program is copied with its plug-ins into a scratch folder whose quillora.ini says "not the
# first run, no tips", so the runs neither ask nor leave settings behind. Where cupsd is installed
# the program finds a default printer, as on a usual desktop: a private scheduler with one PDF
# queue runs in the scratch folder for the measurement.
set -euo pipefail
bin_dir=${1:-build/default/bin}
runs=${2:-11}
scratch=$(mktemp -d)
cupsd_pid=
cleanup() {
  [ -z "$cupsd_pid" ] || { kill "$cupsd_pid"; wait "$cupsd_pid" || true; }
  rm -rf "$scratch"
}
trap cleanup EXIT

start_cups() {
  local d="$scratch/cups"
  mkdir -p "$d"/{spool,tmp,cache,state,log}
  chmod 755 "$scratch" "$d"
  printf 'Listen %s\nWebInterface No\nBrowsing No\nLogLevel warn\nDefaultPolicy open\n<Policy open>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n' \
    "$d/cups.sock" > "$d/cupsd.conf"
  printf 'ServerRoot %s\nRequestRoot %s/spool\nTempDir %s/tmp\nCacheDir %s/cache\nStateDir %s/state\nErrorLog %s/log/error_log\nFileDevice Yes\nSandboxing Relaxed\n' \
    "$d" "$d" "$d" "$d" "$d" "$d" > "$d/cups-files.conf"
  /usr/sbin/cupsd -c "$d/cupsd.conf" -s "$d/cups-files.conf" -f &
  cupsd_pid=$!
  for _ in $(seq 100); do [ -S "$d/cups.sock" ] && break; sleep 0.1; done
  export CUPS_SERVER="$d/cups.sock"
  lpadmin -p Measure -E -v "file://$d/out.pdf" -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
  lpadmin -d Measure
}
if [ -x /usr/sbin/cupsd ]; then start_cups; fi
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
echo "runs: $runs; default printer: $(lpstat -d 2>/dev/null || echo none)"
echo "start to frame shown, ms: median $(cut -d' ' -f1 "$scratch/results" | median)  (all: $(cut -d' ' -f1 "$scratch/results" | tr '\n' ' '))"
echo "idle resident memory, MB: median $(cut -d' ' -f2 "$scratch/results" | median | awk '{printf "%.1f", $1 / 1024}')"
