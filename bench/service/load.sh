#!/usr/bin/env bash
# Load test of the service stand-in from a second process: wrk against the
# three-day path for nine cities on loopback, bounded to 30 seconds.
#   bench/service/load.sh [BUILD_DIR] [DURATION_SECONDS]
# Prints wrk's figures (requests per second, latency percentiles) and fails when
# any request errs or is answered with a status other than 200.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
duration="${2:-20}"
(( duration > 25 )) && duration=25   # wrk plus start and stop stay under 30 s
program="$build/service/tevalo-service"
command -v wrk >/dev/null || { echo "wrk is not installed" >&2; exit 1; }
[[ -x "$program" ]] || { echo "build tevalo-service first: $program" >&2; exit 1; }

out="$(mktemp)"
"$program" --port 0 --data "$root/res/data" >"$out" 2>/dev/null &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null; wait "$service_pid" 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 100); do [[ -s "$out" ]] && break; sleep 0.05; done
port="$(head -n1 "$out")"
[[ -n "$port" ]] || { echo "the service did not start" >&2; exit 1; }

codes="110000-120000-310000-500000-510100-440100-230100-540100-650100"
url="http://127.0.0.1:$port/spservers/kuvaro_weathers/$codes?version=symbian2.0&code=abc1234"
report="$(timeout $((duration + 5)) wrk -t2 -c32 -d"${duration}s" --latency "$url")"
echo "$report"

if grep -Eq "Socket errors|Non-2xx" <<<"$report"; then
    echo "FAILED: errors under load" >&2
    exit 1
fi
