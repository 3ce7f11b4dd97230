#!/usr/bin/env bash
# One ticket from file to committed row, 200 times: our unattended import side by side with the
# mariadb client running the same statements (work table, "apre.txt", "apo.txt"), one
# connection per import in both. Then vovuvakor-cli watch idling for a minute: memory and CPU.
#   bench/import.sh [IMPORTS]
set -euo pipefail
count=${1:-200}
# shellcheck disable=SC1091
. "$(dirname "$0")/common.sh"
"${client[@]}" -e "drop database if exists benchimport; create database benchimport character set cp1250 collate cp1250_general_ci"
"${client[@]}" benchimport <"$top/db/schema.sql"
"${client[@]}" --default-character-set=utf8mb4 benchimport <"$top/db/demo.sql"
"$top/scripts/generate-tickets" 20000 2024-07-01 700 | "${client[@]}" --default-character-set=utf8mb4 benchimport

ticket="$top/samples/wgschein_data.xml"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "vovuvaKOR import, $count imports:"
LANG=cs_CZ.UTF-8 "$build/bench/vk_bench_import" "$VK_DB_PORT" benchimport "$ticket" "$count"

# the same statements through the client: the scripts our import wrote, the work table made anew
mkdir -p "$work/site/work"
printf '[LogON]\r\nIP=127.0.0.1\r\nDatabase=benchimport\r\nSQLport=%s\r\nCisloPC=98\r\n' "$VK_DB_PORT" >"$work/site/kavrid05.ini"
(cd "$work/site/work" && LANG=cs_CZ.UTF-8 "$build/src/cli/vovuvakor-cli" import "$ticket" >/dev/null)
{
  echo "DROP TABLE IF EXISTS tmp98vala;"
  echo "CREATE TABLE tmp98vala COLLATE cp1250_general_ci ENGINE=MyISAM select * from vazlab limit 0,0;"
  cat "$work/site/work/apre.txt"
  echo "select cislodokla,datum from tmp98vala;"
  cat "$work/site/work/apo.txt"
} >"$work/client.sql"
times=()
for _ in $(seq "$count"); do
  start=$(date +%s%N)
  "${client[@]}" benchimport <"$work/client.sql" >/dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "mariadb client, %d imports: median %.2f ms, p10 %.2f ms, p90 %.2f ms\n", NR, a[int((NR+1)/2)]/1000, a[int(NR/10)+1]/1000, a[int(NR*9/10)]/1000}'

echo "vovuvakor-cli watch idling for 60 s:"
(cd "$work/site/work" && LANG=cs_CZ.UTF-8 exec "$build/src/cli/vovuvakor-cli" watch "$ticket" >"$work/watch.log" 2>&1) &
pid=$!
sample() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
sleep 6
rss_start=$(sample); cpu_start=$(cpu)
sleep 60
rss_end=$(sample); cpu_end=$(cpu)
kill "$pid"
wait "$pid" 2>/dev/null || true
ticks=$(getconf CLK_TCK)
echo "  RSS after 6 s: ${rss_start} kB, after 66 s: ${rss_end} kB; CPU over the minute: $(( (cpu_end - cpu_start) * 1000 / ticks )) ms"
