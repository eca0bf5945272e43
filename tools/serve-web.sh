#!/usr/bin/env bash
# Serves the web build's site on this machine only, for a local look in a browser:
#   tools/serve-web.sh [port [folder]]     port 8095 and build-web/site unless given
# Port 0 takes a free port; the first line printed names it. http://127.0.0.1 counts as a
# secure context, so the page's service worker registers there as on a real host.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=${1:-8095}
site=${2:-$root/build-web/site}
if [ ! -f "$site/index.html" ]; then
  echo "No site in $site: build it first with tools/build-web.sh" >&2
  exit 1
fi
# Python's server gives .wasm files their application/wasm type, which streaming compilation needs.
exec python3 -u -m http.server "$port" --bind 127.0.0.1 --directory "$site"
