#!/usr/bin/env bash
# Builds the browser program (scripts/build-web.sh) and serves build-web/ on 127.0.0.1 at a
# free port, printing the address to open; Ctrl+C stops the server.
# Usage: scripts/run-web.sh [--port N]
set -euo pipefail
cd "$(dirname "$0")/.."

port=0
if [[ ${1:-} == --port ]]; then
  port=${2:?--port takes a number}
fi
scripts/build-web.sh
echo "Serving build-web/; open the address below in a browser (add ?seed=N to deal from seed N)."
exec python3 -c '
import functools, http.server, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory="build-web")
handler.extensions_map[".wasm"] = "application/wasm"
server = http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), handler)
print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
server.serve_forever()
' "$port"
