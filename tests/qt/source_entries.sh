#!/usr/bin/env bash
# The deb-src entries added for Qt's source, derived from a
# classic sources.list as Debian's installer writes it, a deb822
# debian.sources as Debian's images have it (apt/), and both: read back by apt
# itself in a folder of their own (the machine's apt is left alone).
#   source_entries.sh DEB_SRC_SH
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$(dirname "$0")"/apt/sources.list "$(dirname "$0")"/apt/debian.sources "$work"/
classic="deb-src http://deb.debian.org/debian/ bookworm main
deb-src http://deb.debian.org/debian/ bookworm non-free-firmware
deb-src http://security.debian.org/debian-security/ bookworm-security main"
deb822="deb-src http://deb.debian.org/debian/ bookworm main
deb-src http://deb.debian.org/debian/ bookworm-updates main"
status=0
for row in "sources.list|$classic" "debian.sources|$deb822" \
  "sources.list debian.sources|$(sort -u <<< "$classic
$deb822")"; do
  mkdir -p "$work/parts" "$work/lists" && rm -f "$work/parts/"*
  (cd "$work" && "$1" ${row%%|*} missing.list) > "$work/parts/deb-src.sources"
  seen=$(apt-get -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/parts" \
    -o Dir::State::Lists="$work/lists" indextargets --no-release-info \
    --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' 2> /dev/null | sort -u)
  [[ $seen == "${row#*|}" ]] || { echo "FAIL: from ${row%%|*}:"; echo "$seen"; status=1; }
done
((status)) || echo "deb-src entries from a classic list, a deb822 file and both"
exit "$status"
