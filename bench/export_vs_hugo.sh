#!/usr/bin/env bash
# Exports a synthetic site with quillora-cli and builds the equivalent Hugo site in
# the same run, and reports both median times and their ratio (quillora / hugo).
#
#   bench/export_vs_hugo.sh [PAGES] [WIDGETS] [RUNS]     (default 1000 100 5)
#
# QUILLORA_CLI names the program to measure (default build/bin/quillora-cli).
# Hugo and hyperfine are installed from Debian when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

pages=${1:-1000}
widgets=${2:-100}
runs=${3:-5}
cli=${QUILLORA_CLI:-build/bin/quillora-cli}

missing=()
command -v hugo >/dev/null 2>&1 || missing+=(hugo)
command -v hyperfine >/dev/null 2>&1 || missing+=(hyperfine)
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
[ -x "$cli" ] || { echo "export_vs_hugo: build $cli first (cmake --build build --target quillora-cli)" >&2; exit 1; }

work=$(mktemp -d /tmp/quillora-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "export_vs_hugo: $pages pages x $widgets widgets in $work"
python3 bench/make_bench_site.py "$work" --pages "$pages" --widgets "$widgets"

hyperfine --runs "$runs" --warmup 1 --export-json "$work/times.json" \
  --command-name quillora \
  "$cli export $work/site/site.quillora $work/out --force --library $work/library" \
  --command-name hugo \
  "hugo --quiet --source $work/hugo --destination $work/hugo-out"

echo "export_vs_hugo: pages written: quillora $(ls "$work"/out/*.htm | wc -l), hugo $(find "$work"/hugo-out -name index.html | wc -l)"
python3 - "$work/times.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
quillora, hugo = results["quillora"]["median"], results["hugo"]["median"]
print("export_vs_hugo: median quillora %.3f s, hugo %.3f s, ratio %.2f" % (quillora, hugo, quillora / hugo))
PY
