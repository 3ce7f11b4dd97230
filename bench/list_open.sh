#!/usr/bin/env bash
# The ticket list over many tickets, side by side with the mariadb client reading the same rows.
#   bench/list_open.sh [TICKETS]   (default 200000)
# Uses its own private server (.dbserver/bench) and database "bench", filled on first use.
set -euo pipefail
count=${1:-200000}
# shellcheck disable=SC1091
. "$(dirname "$0")/common.sh"
client+=(--default-character-set=utf8mb4)
have=$("${client[@]}" -N -e "select count(*) from bench.vazlab" 2>/dev/null || echo 0)
if [ "$have" != "$count" ]; then
  echo "loading $count tickets"
  "${client[@]}" -e "drop database if exists bench; create database bench character set cp1250 collate cp1250_general_ci"
  "${client[@]}" bench <"$top/db/schema.sql"
  "${client[@]}" bench <"$top/db/demo.sql"
  "$top/scripts/generate-tickets" "$count" 2013-07-01 4900 | "${client[@]}" bench
fi
bench="$build/bench/vk_bench_list"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
runs=5
echo "client: mariadb --batch --quick over TCP, $runs runs"
for _ in $(seq $runs); do
  /usr/bin/time -f "%e %M" mariadb --no-defaults -h127.0.0.1 -P"$VK_DB_PORT" -uroot --default-character-set=cp1250 \
    --batch --quick -e "select * from vazlab" bench 2>&1 >/dev/null | tail -1
done | tee /tmp/vk-client.txt
echo "client median seconds: $(cut -d' ' -f1 /tmp/vk-client.txt | median)"
echo "vovuvaKOR list: rebuild to painted grid, $runs runs"
for _ in $(seq $runs); do "$bench" "$VK_DB_PORT" bench; done | tee /tmp/vk-list.txt
echo "list median microseconds: $(sed 's/.*"microseconds": \([0-9]*\).*/\1/' /tmp/vk-list.txt | median)"
echo "with the program's default order:"
"$bench" "$VK_DB_PORT" bench "order by cislodokla DESC"
