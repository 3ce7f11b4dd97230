# Shared by the benchmark scripts: builds, starts the private benchmark server (.dbserver/bench)
# and sets top, build, client (the mariadb client over TCP) and VK_DB_PORT.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup" >/dev/null
export VK_DB_DIR="$top/.dbserver/bench"
"$top/scripts/dbserver" start >/dev/null
# shellcheck disable=SC1091
. "$VK_DB_DIR/env"
build=${VK_BUILD_DIR:-$top/build}
client=(mariadb --no-defaults -h127.0.0.1 -P"$VK_DB_PORT" -uroot --default-character-set=cp1250)
