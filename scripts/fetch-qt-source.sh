#!/bin/sh
# Unpacks Debian's qt6-base source package, of the very version the Linux build uses, into
# FOLDER (which must not exist), with every Debian patch applied:
#   scripts/fetch-qt-source.sh FOLDER
# The source comes from this machine's own apt sources, read as deb-src, through an apt
# configuration of its own so that the system's is left as it is.
set -eu
folder=$(realpath -m "$1")
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
apt_dir=$(mktemp -d)
trap 'rm -rf "$apt_dir"' EXIT
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"

# Every enabled source of binary packages, as a source of source packages: one-line lists
# ("deb URI ..." to "deb-src URI ...") and deb822 files ("Types: deb" to "Types: deb-src").
[ -f /etc/apt/sources.list ] &&
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
        >"$apt_dir/parts/system.list"
for list in /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list" >"$apt_dir/parts/${list##*/}"
done
for sources in /etc/apt/sources.list.d/*.sources; do
    [ -f "$sources" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$sources" >"$apt_dir/parts/${sources##*/}"
done

set -- -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/parts" \
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::pkgcache= \
    -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root
echo "Fetching the source of qt6-base $version from this machine's apt sources" >&2
apt-get "$@" update -qq >&2
mkdir -p "$folder.download"
if ! (cd "$folder.download" && apt-get "$@" source -qq --download-only "qt6-base=$version" >&2)
then
    echo "error: the source of qt6-base $version, the Qt this machine has installed, is not" \
        "to be had from its apt sources (/etc/apt/sources.list and sources.list.d)." \
        "Add a source that still holds it, such as snapshot.debian.org, or upgrade" \
        "qt6-base-dev to a version whose source they hold." >&2
    rm -rf "$folder.download"
    exit 1
fi
(cd "$folder.download" && dpkg-source -x ./*.dsc "$folder" >&2)
rm -rf "$folder.download"
