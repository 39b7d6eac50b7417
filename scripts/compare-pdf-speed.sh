#!/usr/bin/env bash
# Times quillon-export against two calendar-to-PDF tools from Debian (remind
# piped into rem2pdf, and pcal piped into ps2pdf): one month and twelve
# months, program start included, median of RUNS runs (default 15), and
# prints the PDF sizes. Run after a build (bash scripts/setup.sh test).
#
#   bash scripts/compare-pdf-speed.sh [RUNS]
set -euo pipefail

runs=${1:-15}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exporter=${QL_EXPORTER:-$here/build/bin/quillon-export}
input=$here/calpanel/tests/data/documents/notes.qlf
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

need=()
for p in remind pcal ghostscript poppler-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${need[@]}"
fi
[ -x "$exporter" ] || { echo "No $exporter: build first" >&2; exit 2; }

printf 'REM 5 Jan 2027 MSG Dentist 9:30\nREM 12 Jan 2027 MSG Team meeting\nREM 19 Jan 2027 MSG Call Mum\n' > "$out/notes.rem"

# median wall milliseconds of running "$@" (a shell command string) $runs times
median_ms() {
  local cmd=$1 times=() t0 t1
  sh -c "$cmd" > /dev/null 2>&1 # warm-up
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    sh -c "$cmd" > /dev/null 2>&1
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'
}

row() { # label, command, output file
  local ms
  ms=$(median_ms "$2")
  printf '%-34s %6s ms %8s bytes\n' "$1" "$ms" "$(stat -c %s "$3")"
}

echo "median of $runs runs, program start included"
row "quillon-export, 1 page"   "'$exporter' '$input' -o '$out/q1.pdf'" "$out/q1.pdf"
row "quillon-export, 12 pages" "'$exporter' '$input' --months 12 -o '$out/q12.pdf'" "$out/q12.pdf"
row "remind | rem2pdf, 1 page"   "remind -pp '$out/notes.rem' 1 Jan 2027 | rem2pdf > '$out/r1.pdf'" "$out/r1.pdf"
row "remind | rem2pdf, 12 pages" "remind -pp12 '$out/notes.rem' 1 Jan 2027 | rem2pdf > '$out/r12.pdf'" "$out/r12.pdf"
row "pcal | ps2pdf, 1 page"   "pcal 1 2027 | ps2pdf - '$out/p1.pdf'" "$out/p1.pdf"
row "pcal | ps2pdf, 12 pages" "pcal 1 2027 12 | ps2pdf - '$out/p12.pdf'" "$out/p12.pdf"
