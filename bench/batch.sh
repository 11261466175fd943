#!/usr/bin/env bash
# Times `orvanta-cli batch` on a generated parts list beside a floor: mawk
# doing only the 4x arithmetic on the same rows with their after-plate
# limits already given. Median of RUNS alternating runs (default 5), and
# peak memory of the batch at a tenth of the rows and at all of them.
#   bash bench/batch.sh [ROWS] [RUNS]      (default 1000000 rows)
# Needs mawk and GNU time (Debian: mawk, time); builds the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
rows="${1:-1000000}"
runs="${2:-5}"
cmake --preset release >/dev/null
cmake --build --preset release --target orvanta-cli >/dev/null
cli=build/release/cli/orvanta-cli
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A parts list: inch and metric, fits and single sides, both after-plate
# choices, about 1 % bad rows (a class that does not exist, a thickness
# that is not a number).
generate() { # rows file
    mawk -v rows="$1" 'BEGIN {
        n = split("1/2-13 UNC-2A/2B|1/4-20 UNC-2A|#10-32 UNF-3B|3/8-24 UNF-2A/2B|1-8 UNC-2A|5/8-11 UNC-3A|" \
                  "M10x1.5-6H/6g|M6-6g|M8x1.25-6H|M12x1.75-4g6g|M20x1.5-6g|M16-6H|1/2-13 UNC-4A", d, "|")
        print "part,designation,plating_min,plating_max,after_plate,customer"
        srand(20261208)
        for (i = 1; i <= rows; i++) {
            k = (i % 100 == 0) ? n : 1 + int(rand() * (n - 1))
            tmin = (i % 197 == 0) ? "thin" : sprintf("%.4f", 0.0001 + int(rand() * 3) / 10000)
            printf "P%07d,%s,%s,0.0005,%s,Customer %d\n", i, d[k], tmin, (i % 2 ? "class" : "allowance"), i % 50
        }
    }' > "$2"
}
# The same rows with their limits given: the floor needs no thread engine.
floor_input() { # parts file floor file
    { "$cli" batch "$1" 2>/dev/null || true; } |
        mawk -F, 'NR > 1 && $12 != "" && $3 ~ /^[0-9.]+$/ { print $7 "," $12 "," $13 "," $3 "," $4 }' > "$2"
}
floor() {
    mawk -F, '{ side = $1; max = $2; min = $3; tmin = $4; tmax = $5
                if (side == "external") { printf "%.4f,%.4f\n", max - 4 * tmax, min - 4 * tmin }
                else { printf "%.4f,%.4f\n", max + 4 * tmin, min + 4 * tmax } }' "$1" > /dev/null
}
seconds() { { /usr/bin/time -f %e "$@" 2>&1 >/dev/null || true; } | tail -1; }
median() { sort -n | mawk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

generate "$rows" "$work/parts.csv"
floor_input "$work/parts.csv" "$work/floor.csv"
echo "rows: $rows ($(wc -l < "$work/floor.csv") sides with limits for the floor)"
: > "$work/batch.times"
: > "$work/floor.times"
for _ in $(seq "$runs"); do
    seconds "$cli" batch "$work/parts.csv" -o /dev/null >> "$work/batch.times"
    seconds bash -c "$(declare -f floor); floor '$work/floor.csv'" >> "$work/floor.times"
done
batch=$(median < "$work/batch.times")
floor=$(median < "$work/floor.times")
echo "batch: ${batch} s   floor (mawk): ${floor} s   ratio: $(mawk -v b="$batch" -v f="$floor" 'BEGIN { printf "%.2f", b / f }')"
for count in $((rows / 10)) "$rows"; do
    head -n $((count + 1)) "$work/parts.csv" > "$work/part.csv"
    kib=$({ /usr/bin/time -f %M "$cli" batch "$work/part.csv" -o /dev/null 2>&1 >/dev/null || true; } | tail -1)
    echo "peak memory at $count rows: $(mawk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
done
