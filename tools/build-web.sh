#!/usr/bin/env bash
# Builds the calculator's web page with Emscripten (installing what is missing), runs its
# tests, the portable suites and the fuzz corpus under node and the page in Debian's Chromium,
# Firefox ESR and WebKitGTK, and leaves the site in build-web/site/, which any web server can serve as it is
# (tools/serve-web.sh serves it here).
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$QUILLMAR_ROOT"
# shellcheck source=tools/setup.sh
. tools/setup.sh

# The build's packages, and the browsers for the tests: Chromium, Firefox ESR, and WebKitGTK's
# MiniBrowser with its WebDriver, which needs an X server. npm stays out where node is already
# there (from another source than Debian, say, with its own npm).
quillmar_install_packages tools/web-packages.txt
packages="chromium firefox-esr webkit2gtk-driver libwebkit2gtk-4.1-0 xvfb"
command -v npm >/dev/null || packages+=" nodejs npm"
quillmar_install_packages <(tr ' ' '\n' <<<"$packages")

# puppeteer-core, selenium-webdriver and axe-core as the lockfile pins them; they drive
# Debian's browsers and download none.
(cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)

mkdir -p build-web
log=build-web/build-web.log
echo "== Configuring and building the web preset (the whole output is in $log)"
if ! { cmake --preset web && cmake --build --preset web; } >"$log" 2>&1; then
  grep -v -e '^\[[0-9]*/[0-9]*\] ' -e '^-- ' "$log" | tail -60
  exit 1
fi

echo "== The tests: the portable suites under node, the page in Chromium, Firefox and WebKit"
status=0
ctest --preset web -V >build-web/ctest.log 2>&1 || status=$?
node_suites=$(ctest --test-dir build-web -N -E '^WebPage\.' | sed -n 's/^Total Tests: //p')
echo "under node: $node_suites tests (the portable suites and the fuzz corpus)"
# The page's cases in each engine, and the reason each skipped case gave.
for engine in chromium firefox webkit; do
  results=$(grep -E "Test +#[0-9]+: WebPage\.$engine\..*(Passed|Skipped|Failed|Timeout|Not Run)" build-web/ctest.log || true)
  echo "in $engine: $(grep -c ' Passed' <<<"$results") passed," \
    "$(grep -c 'Skipped' <<<"$results") skipped, $(grep -cE 'Failed|Timeout|Not Run' <<<"$results") failed"
done
awk '/^[0-9]+: Test command: .*page_test\.mjs/ { split($1, n, ":"); engine[n[1]] = $(NF - 1); gsub(/"/, "", engine[n[1]]) }
     /^[0-9]+: ok [0-9]+ - [A-Za-z]+ # SKIP / {
       split($1, n, ":"); name = $5; sub(/^[^#]*# SKIP /, ""); print "  skipped in " engine[n[1]] ", " name ": " $0 }' \
  build-web/ctest.log
if [ "$status" -ne 0 ]; then
  sed -n '/tests passed/,$p' build-web/ctest.log
  grep -A40 -e '\*\*\*Failed' -e 'not ok' build-web/ctest.log | head -120
  exit 1
fi
grep 'tests passed' build-web/ctest.log
echo "The site is in build-web/site/; tools/serve-web.sh serves it on http://127.0.0.1:8095/"
