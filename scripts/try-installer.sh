#!/usr/bin/env bash
# Builds the installer, runs it in a fresh folder of its own and lists the
# files it left there.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target scenario_installer >/dev/null
folder=$(mktemp -d "${TMPDIR:-/tmp}/scenario-install-XXXXXX")
cp build/default/src/app/scenario_installer "$folder/"
status=0
"$folder/scenario_installer" || status=$?
echo "installer exit status: $status; files left in $folder:"
ls -l --ignore=scenario_installer "$folder"
exit "$status"
