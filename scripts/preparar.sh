#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root, with apt-get) when it is missing,
# then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

paquetes=(g++ cmake make pkg-config qt6-base-dev libsqlite3-dev libgtest-dev)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
  echo "Instalando: ${faltan[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${faltan[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
