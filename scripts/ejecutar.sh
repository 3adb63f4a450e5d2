#!/usr/bin/env bash
# Builds, creates the demo company database when it is missing and opens the main
# window connected to it. Without a display it runs the headless export of a demo
# month (March 2015) instead and prints the file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparar.sh

demo=build/demo
mkdir -p "$demo"
base="$demo/empresa.sqlite"
[ -f "$base" ] || build/app/rmautoimpr --crear-base "$base" --demo
parametros="@server=sqlite;@dbname=$base;@usuario=ana;@Password=x;"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/rmautoimpr "$parametros"
fi

echo "Sin pantalla: se genera el archivo de remitos de marzo de 2015 sin ventana."
mkdir -p "$demo/salida"
estado=0
build/app/rmautoimpr "$parametros" --remitos 2015-03 --carpeta "$demo/salida" || estado=$?
archivo="$demo/salida/REMITOS_MAR_2015.txt"
if [ -f "$archivo" ]; then
  echo "--- $archivo"
  cat "$archivo"
fi
exit "$estado"
