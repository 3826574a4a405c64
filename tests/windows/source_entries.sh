#!/usr/bin/env bash
# The deb-src entries windows.sh adds for Qt's source, derived from a
# classic sources.list as Debian's installer writes it, a deb822
# debian.sources as Debian's images have it, and both: read back by apt
# itself in a folder of their own (the machine's apt is left alone).
#   source_entries.sh DEB_SRC_SH
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/sources.list" <<'LIST'
deb cdrom:[Debian GNU/Linux 12.5.0 _Bookworm_ - Official amd64 DVD Binary-1]/ bookworm contrib main
# deb http://deb.debian.org/debian/ bookworm contrib
deb http://deb.debian.org/debian/ bookworm main non-free-firmware
deb-src http://deb.debian.org/debian/ bookworm main non-free-firmware
deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://security.debian.org/debian-security bookworm-security main # security
LIST
cat > "$work/debian.sources" <<'LIST'
Types: deb
# a comment
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian
Suites: trixie
Components: main

Types: deb
URIs: http://security.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
Enabled: no
LIST
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
