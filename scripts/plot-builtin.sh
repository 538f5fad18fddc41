#!/usr/bin/env bash
# Builds scenario_tool, compiles the built-in scenario with it in a fresh
# folder and draws it; with --screenshot also renders the SVG in headless
# Chromium (Debian package "chromium") to doc/builtin_scenario_plot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target scenario_tool >/dev/null
tool="$PWD/build/default/tools/scenario_tool"
folder=$(mktemp -d "${TMPDIR:-/tmp}/scenario-plot-XXXXXX")
(
  cd "$folder"
  "$tool" texts . >/dev/null
  "$tool" compile Velbrio_Dolvena_linea.txt Velbrio_Dolvena_30527-.txt \
    --line-id Velbrio_Dolvena --train 30527 --out . >/dev/null
  "$tool" plot . --line-id Velbrio_Dolvena --train 30527 -o Velbrio_Dolvena_30527.svg >/dev/null
)
svg="$folder/Velbrio_Dolvena_30527.svg"
echo "$svg"
if [ "${1:-}" = "--screenshot" ]; then
  # The page as large as the drawing: its width and height from the SVG.
  width=$(grep -m1 -o 'width="[0-9.]*"' "$svg" | head -1 | tr -dc '0-9.')
  height=$(grep -m1 -o 'height="[0-9.]*"' "$svg" | head -1 | tr -dc '0-9.')
  profile=$(mktemp -d)
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --window-size="${width%.*},${height%.*}" \
    --screenshot="$PWD/doc/builtin_scenario_plot.png" "file://$svg" 2>/dev/null
  rm -rf "$profile"
  echo "$PWD/doc/builtin_scenario_plot.png"
fi
