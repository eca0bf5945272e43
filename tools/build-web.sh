#!/usr/bin/env bash
# Builds the calculator's web page with Emscripten (installing what is missing), runs its
# tests, the portable suites and the fuzz corpus under node and the page in Debian's headless
# Chromium, and leaves the site in build-web/site/, which any web server can serve as it is
# (tools/serve-web.sh serves it here).
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$QUILLMAR_ROOT"
# shellcheck source=tools/setup.sh
. tools/setup.sh

# The build's packages, and Chromium for the tests. npm stays out where node is already there
# (from another source than Debian, say, with its own npm).
quillmar_install_packages tools/web-packages.txt
packages=chromium
command -v npm >/dev/null || packages+=" nodejs npm"
quillmar_install_packages <(tr ' ' '\n' <<<"$packages")

# puppeteer-core as the lockfile pins it; it drives Debian's Chromium and downloads no browser.
(cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)

mkdir -p build-web
log=build-web/build-web.log
echo "== Configuring and building the web preset (the whole output is in $log)"
if ! { cmake --preset web && cmake --build --preset web; } >"$log" 2>&1; then
  grep -v -e '^\[[0-9]*/[0-9]*\] ' -e '^-- ' "$log" | tail -60
  exit 1
fi

echo "== The tests: the portable suites under node, the page in headless Chromium"
ctest --preset web >build-web/ctest.log 2>&1 || {
  sed -n '/tests passed/,$p' build-web/ctest.log
  grep -A40 -e '\*\*\*Failed' -e 'not ok' build-web/ctest.log | head -120
  exit 1
}
node_suites=$(ctest --test-dir build-web -N -E '^WebPage\.' | sed -n 's/^Total Tests: //p')
browser=$(ctest --test-dir build-web -N -R '^WebPage\.' | sed -n 's/^Total Tests: //p')
grep 'tests passed' build-web/ctest.log
echo "passed: $node_suites under node, $browser in Chromium"
echo "The site is in build-web/site/; tools/serve-web.sh serves it on http://127.0.0.1:8095/"
