#!/usr/bin/env bash
# The conversion's quality on real photographs that Debian ships under free
# licences (lomiri-wallpapers-16.04, installed by scripts/install-deps): the
# mean colour difference of every mode, one line a photograph.
#   bench/scan-quality.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build-bench}
dir=/usr/share/backgrounds
photos=()
# The photographs of the set; the two abstract pictures are left out.
for name in Bridge_by_Sander_Klootwijk Dragonfly_by_Bolly Picture_0B_by_freespace Picture_1A_by_freespace \
            Wine_by_Jakkub_Mede aitzgorri_by_Aitzol_Berasategi free_by_Peter_Nerlich \
            friends_by_Aitzol_Berasategi greentock_by_Peter_Nerlich life_by_Aitzol_Berasategi \
            picosdeeuropa_by_Aitzol_Berasategi seeding_by_Clements_Engelhardt sunset_by_Aitzol_Berasategi; do
  [ -f "$dir/$name.jpg" ] && photos+=("$dir/$name.jpg")
done
if [ ${#photos[@]} -lt 5 ]; then
  echo "scan-quality: fewer than five photographs in $dir (install lomiri-wallpapers-16.04)" >&2
  exit 1
fi
echo "== scan quality: ${#photos[@]} photographs"
"$build/bench/scan_quality" "${photos[@]}"
