#!/usr/bin/env bash
# The program as a web page, with Debian's packages alone: Emscripten compiles
# the logic to WebAssembly and the site is written into build-web/site, ready
# for any static web server. Installs what it needs.
#
#     scripts/web.sh                 # build the site
#     scripts/web.sh --serve [PORT]  # build it and serve it on 127.0.0.1 (port 8000)
#     scripts/web.sh --test          # build it and run its tests: the logic's
#                                    # under node, the page's in three engines
#     scripts/web.sh --bench [ENGINE...]  # the page's figures in docs/performance.md
#     scripts/web.sh --screenshot [ENGINE [WIDTH HEIGHT]]
#                                    # docs/screenshot-web.png (or $SCREENSHOT),
#                                    # after a check of 5
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web
if [[ "${1:-}" == --test ]]; then
    exec cmake --workflow --preset web
fi
cmake --preset web >/dev/null
cmake --build --preset web

case "${1:-}" in
    --serve) exec node node/serve.mjs build-web/site "${2:-8000}" ;;
    --bench) exec node node/page_ready.mjs build-web/site "${CONTEXTS:-15}" "${@:2}" ;;
    --screenshot) exec node node/page_screenshot.mjs build-web/site "${SCREENSHOT:-docs/screenshot-web.png}" \
                      "${@:2}" ;;
esac
echo "The site is in build-web/site"
