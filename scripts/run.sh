#!/usr/bin/env bash
# Sets up, builds and starts QIRAZO from the folder that holds its recordings
# (the program finds them by bare name in its working directory).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build" >&2
cd "$here/resources/recordings"
exec "$here/build/src/app/qirazo" "$@"
