#!/usr/bin/env bash
# Builds the Debian package from a release configuration (only what the installation takes,
# in build/package) and checks it as the desktop and dpkg see it: lintian, the desktop entry,
# the software centre's description, the plan file type and the icons; then unpacks it and
# starts the unpacked programs on their bundled catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$PWD/$build/velmora_${version}_amd64.deb

# CPack would first build everything, tests included; the package needs far less.
cmake --preset release -B "$build" -DVELMORA_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  >/dev/null
cmake --build "$build" --target package_contents
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[[ -f $deb ]] || { echo "cpack wrote no $deb"; exit 1; }

# Kept warnings are overridden in the package, each with its reason
# (packaging/velmora.lintian-overrides): any other warning fails.
lintian --fail-on error,warning "$deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

desktop-file-validate "$share/applications/velmora.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml

# The plan type: known to the MIME database, and the one the desktop entry opens and the
# software centre lists.
mkdir -p "$work/mime/packages"
cp "$share"/mime/packages/*.xml "$work/mime/packages/"
update-mime-database "$work/mime" 2>/dev/null
type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$share/applications/velmora.desktop")
grep -q ":$type:\*\.velmora$" "$work/mime/globs2" ||
  { echo "*.velmora is not of the desktop entry's type '$type'"; exit 1; }
grep -q "<mediatype>$type</mediatype>" "$share"/metainfo/*.metainfo.xml ||
  { echo "the metainfo does not list the type $type"; exit 1; }

# The program finds a missing catalogue file itself (below); the guide it opens only on demand.
for file in velmora-hilfe.html bilder/fenster.png bilder/material.png; do
  [[ -s $root/usr/lib/velmora/hilfe/$file ]] || { echo "the guide lacks $file"; exit 1; }
done
# So is the update check module, missing which the program silently checks nothing.
[[ -s $root/usr/lib/velmora/module/libvelmora-update.so ]] || { echo "no update check module"; exit 1; }
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/velmora.png
  file "$icon" | grep -q "PNG image data, $size x $size," || { echo "no ${size}px icon"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
# libqt6network6 comes in through the update check module.
for package in libqt6widgets6 libqt6network6 libssl3 qt6-translations-l10n fonts-liberation; do
  [[ $depends == *"$package"* ]] || { echo "Depends lacks $package: $depends"; exit 1; }
done

# Started as a user is: by someone who cannot write to the program directory, with a home
# of its own, from elsewhere, opening a plan saved by the headless planner.
mkdir -m 700 "$work/home"
user=()
if [[ $(id -u) -eq 0 ]]; then
  user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 755 "$work"
  chown nobody:nogroup "$work/home"
fi
as_user() {
  env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/home" LC_ALL=de_DE.UTF-8 \
    QT_QPA_PLATFORM=offscreen VELMORA_QUIT_AFTER_MS=2000 "${user[@]}" "$@"
}
cd "$work/home"
as_user "$root/usr/bin/velmora-plan" --room-width 3,5 --volume 5000 \
  --select 951100 --save "$work/home/keller.velmora" >/dev/null
# An own price written and read back: the cipher's library loads on first use.
as_user "$root/usr/bin/velmora-prices" set 951100 123,45
[[ $(as_user "$root/usr/bin/velmora-prices" list) == *"951100;123,45;ja"* ]] ||
  { echo "the unpacked price tool did not keep a price"; exit 1; }
# The quit timer ends the program as its close button would, without the close question; a
# missing catalogue file stops it at its message, which the timeout turns into a failure.
errors=$(as_user timeout 60 "$root/usr/bin/velmora" "$work/home/keller.velmora" 2>&1 >/dev/null) ||
  { echo "the unpacked program failed (status $?): $errors"; exit 1; }
[[ -z $errors ]] || { echo "the unpacked program wrote errors: $errors"; exit 1; }
echo "$deb: checked ($(du -h "$deb" | cut -f1))"
