#!/usr/bin/env bash
# Installs the project into a scratch root, builds the .deb, runs Debian's and freedesktop's
# validators over it, and starts the packaged binary.
# Usage: test-package.sh <build-dir>
# Leaves the build folder as it found it and removes everything else it creates.
set -euo pipefail

build=$(cd "${1:?usage: $0 <build-dir>}" && pwd)
[[ -f "$build/CPackConfig.cmake" ]] || { echo "not a configured build folder: $build" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/memoquill-pkg.XXXXXX")
# cmake --install and cpack both write install_manifest.txt into the build folder.
manifest="$build/install_manifest.txt"
had_manifest=0
if [[ -e "$manifest" ]]; then
  had_manifest=1
  cp -p "$manifest" "$work/install_manifest.saved"
fi
cleanup() {
  if ((had_manifest)); then
    cp -p "$work/install_manifest.saved" "$manifest"
  else
    rm -f "$manifest"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Reads one key from the [Desktop Entry] group.
desktop_key() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}

# tools/setup installs the validators; as root with apt, fetch any that are still missing. A
# missing one fails the test rather than skipping its check, which would pass unchecked packages.
need_tool() {
  local tool=$1 package=$2
  command -v "$tool" >/dev/null && return 0
  if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
    echo "Installing $package for $tool"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" \
      >"$work/apt.log" 2>&1 \
      || { apt-get update -qq >>"$work/apt.log" 2>&1 \
           && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                "$package" >>"$work/apt.log" 2>&1; } || true
  fi
  command -v "$tool" >/dev/null && return 0
  fail "$tool ($package) is not installed; tools/setup installs it"
  return 1
}
# Prints a validator's report, and fails on any error or warning line in it.
no_errors_or_warnings() {
  local what=$1 report=$2
  sed 's/^/  /' "$report"
  if grep -q '^[EW]: ' "$report"; then
    fail "$what reports errors or warnings"
  fi
}

echo "== cmake --install into a scratch root"
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" \
  || { cat "$work/install.log" >&2; exit 1; }

binary="$stage/usr/bin/memoquill"
desktop="$stage/usr/share/applications/memoquill.desktop"
icon="$stage/usr/share/icons/hicolor/scalable/apps/memoquill.svg"
mime="$stage/usr/share/mime/packages/memoquill.xml"
metainfo="$stage/usr/share/metainfo/io.github.memoquill.Memoquill.metainfo.xml"
manpage="$stage/usr/share/man/man1/memoquill.1.gz"
docs="$stage/usr/share/doc/memoquill"
for file in "$binary" "$desktop" "$icon" "$mime" "$metainfo" "$manpage" \
            "$docs/copyright" "$docs/changelog.gz"; do
  [[ -f "$file" ]] || fail "not installed: ${file#"$stage"}"
done
[[ -x "$binary" ]] || fail "binary is not executable"
((failures == 0)) || exit 1

# The desktop entry must point at what is actually installed, or menus show a broken item.
# desktop-file-validate exits 0 on warnings and hints, so anything it prints is a fault.
if need_tool desktop-file-validate desktop-file-utils; then
  echo "== desktop-file-validate"
  desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 \
    && ! [[ -s "$work/desktop.log" ]] \
    || { cat "$work/desktop.log" >&2; fail "desktop-file-validate rejects the desktop entry"; }
fi
[[ $(desktop_key Type "$desktop") == Application ]] || fail "desktop entry: Type is not Application"
[[ $(desktop_key Name "$desktop") == Memoquill ]] || fail "desktop entry: Name is not Memoquill"
exec_line=$(desktop_key Exec "$desktop")
[[ -x "$stage/usr/bin/${exec_line%% *}" ]] || fail "desktop entry: Exec '$exec_line' is not the installed binary"
icon_name=$(desktop_key Icon "$desktop")
[[ "$icon_name" == "$(basename "$icon" .svg)" ]] || fail "desktop entry: Icon '$icon_name' does not match the installed icon"
[[ ";$(desktop_key MimeType "$desktop")" == *";application/x-memoquill-deck;"* ]] \
  || fail "desktop entry: MimeType lacks application/x-memoquill-deck"
[[ ";$(desktop_key Categories "$desktop")" == *";Education;"* ]] || fail "desktop entry: not in Education"

# Menus and software centres show the program's own languages from these files.
languages=(de es fr it pt_BR nl pl ru ja zh_CN ar)
for language in "${languages[@]}"; do
  for key in Name GenericName Comment Keywords; do
    [[ -n $(desktop_key "$key\\[$language\\]" "$desktop") ]] \
      || fail "desktop entry: no $key[$language]"
  done
done

need_tool xmllint libxml2-utils || exit 1
xmllint --noout "$icon" || fail "icon is not well-formed XML"
[[ $(xmllint --xpath 'name(/*)' "$icon") == svg \
   && $(xmllint --xpath 'namespace-uri(/*)' "$icon") == http://www.w3.org/2000/svg ]] \
  || fail "icon root is not an SVG <svg> element"
[[ -n $(xmllint --xpath 'string(/*/@viewBox)' "$icon") ]] || fail "icon has no viewBox, so it cannot scale"

xmllint --noout "$mime" || fail "MIME package is not well-formed XML"
mime_type='/*[local-name()="mime-info"]/*[local-name()="mime-type"][@type="application/x-memoquill-deck"]'
[[ $(xmllint --xpath "namespace-uri(/*)" "$mime") == http://www.freedesktop.org/standards/shared-mime-info ]] \
  || fail "MIME package is not in the shared-mime-info namespace"
[[ $(xmllint --xpath "string($mime_type/*[local-name()=\"glob\"]/@pattern)" "$mime") == '*.mqd' ]] \
  || fail "MIME package: no *.mqd glob for application/x-memoquill-deck"
[[ $(xmllint --xpath "string($mime_type/*[local-name()=\"comment\"][not(@*)])" "$mime") == 'Memoquill deck' ]] \
  || fail "MIME package: comment is not 'Memoquill deck'"
# The real consumer: a database built from the package alone must map *.mqd to the type.
# update-mime-database exits 0 on some faults it only warns about, so its output counts too;
# naming the staged share folder a data folder keeps it from noting that it is not one.
if need_tool update-mime-database shared-mime-info; then
  if XDG_DATA_DIRS="$stage/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
     PKGSYSTEM_ENABLE_FSYNC=0 update-mime-database "$stage/usr/share/mime" >"$work/mimedb.log" 2>&1 \
     && ! [[ -s "$work/mimedb.log" ]]; then
    grep -q ':application/x-memoquill-deck:\*\.mqd' "$stage/usr/share/mime/globs2" \
      || fail "update-mime-database does not map *.mqd to application/x-memoquill-deck"
  else
    cat "$work/mimedb.log" >&2
    fail "update-mime-database rejects the MIME package"
  fi
fi

echo "== appstreamcli validate"
if need_tool appstreamcli appstream; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
    || fail "appstreamcli validate rejects the metainfo file"
  no_errors_or_warnings "appstreamcli validate" "$work/appstream.log"
fi
# Software centres reach the desktop entry and the file types through these.
component='/*[local-name()="component"]'
[[ $(xmllint --xpath "string($component/*[local-name()=\"id\"])" "$metainfo") \
   == "$(basename "$metainfo" .metainfo.xml)" ]] || fail "metainfo: the id is not the file's name"
launchable=$(xmllint --xpath "string($component/*[local-name()=\"launchable\"][@type=\"desktop-id\"])" "$metainfo")
[[ -f "$stage/usr/share/applications/$launchable" ]] \
  || fail "metainfo: launchable '$launchable' is not an installed desktop entry"
[[ $(xmllint --xpath "string($component/*[local-name()=\"provides\"]/*[local-name()=\"mediatype\"])" "$metainfo") \
   == application/x-memoquill-deck ]] || fail "metainfo: does not provide application/x-memoquill-deck"
description='*[local-name()="description"]/*[local-name()="p"]'
for language in "${languages[@]}"; do
  [[ $(xmllint --xpath "count($component/*[local-name()=\"summary\"][@xml:lang=\"$language\"])" "$metainfo") == 1 ]] \
    || fail "metainfo: no summary in $language"
  [[ $(xmllint --xpath "count($component/$description[@xml:lang=\"$language\"])" "$metainfo") \
     == "$(xmllint --xpath "count($component/$description[not(@xml:lang)])" "$metainfo")" ]] \
    || fail "metainfo: the description in $language has not as many paragraphs as the English one"
  [[ $(xmllint --xpath "count($mime_type/*[local-name()=\"comment\"][@xml:lang=\"$language\"])" "$mime") == 1 ]] \
    || fail "MIME package: no comment in $language"
done

echo "== man memoquill"
if need_tool man man-db; then
  MANWIDTH=80 man -P cat -l "$manpage" >"$work/man.txt" 2>"$work/man.err" \
    || fail "man cannot show the manual page"
  [[ -s "$work/man.txt" ]] || fail "the manual page renders empty"
  grep -q '^NAME' "$work/man.txt" && grep -q '^SYNOPSIS' "$work/man.txt" \
    || fail "the manual page has no NAME or SYNOPSIS section"
  # As lintian does it: groff's warnings go to stderr, and the status stays 0.
  man --warnings -E UTF-8 -l -Tutf8 -Z "$manpage" >/dev/null 2>"$work/man.err" \
    || fail "man --warnings fails on the manual page"
  if [[ -s "$work/man.err" ]]; then
    cat "$work/man.err" >&2
    fail "groff warns about the manual page"
  fi
fi

echo "== cpack -G DEB into a scratch folder"
debdir="$work/deb"
(cd "$build" && cpack -G DEB -B "$debdir" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log" >&2; exit 1; }
shopt -s nullglob
debs=("$debdir"/memoquill_*.deb)
shopt -u nullglob
((${#debs[@]} == 1)) || { ls -l "$debdir" >&2; echo "FAIL: expected one memoquill_*.deb" >&2; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == memoquill_*_"$arch".deb ]] || fail "package file name is not memoquill_<version>_$arch.deb"
[[ $(dpkg-deb --field "$deb" Package) == memoquill ]] || fail "Package is not memoquill"
[[ $(dpkg-deb --field "$deb" Architecture) == "$arch" ]] || fail "Architecture is not $arch"
version=$(dpkg-deb --field "$deb" Version)
# A release bumps project()'s version; the changelog and the metainfo must say so as well.
if need_tool dpkg-parsechangelog dpkg-dev; then
  zcat "$docs/changelog.gz" >"$work/changelog"
  [[ $(dpkg-parsechangelog -l "$work/changelog" -S Version) == "$version" ]] \
    || fail "the changelog's newest entry is not version $version"
fi
[[ $(xmllint --xpath "string($component/*[local-name()=\"releases\"]/*[local-name()=\"release\"][1]/@version)" "$metainfo") \
   == "$version" ]] || fail "metainfo: the newest release is not version $version"

recommends=$(dpkg-deb --field "$deb" Recommends)
echo "Recommends: $recommends"
for package in fonts-noto-cjk fonts-noto-ui-core fonts-noto-color-emoji; do
  [[ ", $recommends," == *", $package,"* ]] || fail "Recommends lacks $package"
done
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# libc6 is only there when dpkg-shlibdeps read the binary; the hand-written fallback lacks it.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins \
               fonts-liberation2 qt6-translations-l10n; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
done
dpkg-deb --info "$deb" >"$work/info.txt" || fail "dpkg-deb --info cannot read the package"
grep -q '^ Maintainer: .*<.*@.*>' "$work/info.txt" || fail "no Maintainer with an address"

dpkg-deb --contents "$deb" >"$work/contents.txt" || fail "dpkg-deb --contents cannot read the package"
for path in ./usr/bin/memoquill ./usr/share/applications/memoquill.desktop \
            ./usr/share/icons/hicolor/scalable/apps/memoquill.svg \
            ./usr/share/mime/packages/memoquill.xml \
            ./usr/share/metainfo/io.github.memoquill.Memoquill.metainfo.xml \
            ./usr/share/man/man1/memoquill.1.gz \
            ./usr/share/doc/memoquill/copyright ./usr/share/doc/memoquill/changelog.gz; do
  grep -q " ${path//./\\.}\$" "$work/contents.txt" || fail "package lacks $path"
done
# Files owned by the builder's user, or a non-executable binary, break on install.
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$work/contents.txt" \
  || fail "package has files not owned by root"
grep -q '^-rwxr-xr-x .* \./usr/bin/memoquill$' "$work/contents.txt" || fail "packaged binary is not mode 0755"

echo "== lintian"
if need_tool lintian lintian; then
  # --fail-on none: a non-zero status then means lintian itself broke, not a finding.
  lintian --fail-on none --display-info "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log" >&2; fail "lintian could not check the package"; }
  no_errors_or_warnings lintian "$work/lintian.log"
fi

echo "== the package's files, unpacked"
root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/memoquill usr/share/applications/memoquill.desktop \
            usr/share/icons/hicolor/scalable/apps/memoquill.svg usr/share/mime/packages/memoquill.xml \
            usr/share/metainfo/io.github.memoquill.Memoquill.metainfo.xml \
            usr/share/man/man1/memoquill.1.gz \
            usr/share/doc/memoquill/copyright usr/share/doc/memoquill/changelog.gz; do
  [[ -f "$root/$file" ]] || fail "unpacked package lacks /$file"
done
for file in usr/share/man/man1/memoquill.1.gz usr/share/doc/memoquill/changelog.gz; do
  gzip -t "$root/$file" 2>/dev/null || fail "/$file is not gzip data"
done

echo "== start the packaged binary"
mkdir -m 700 "$work/runtime" "$work/home" "$work/run"
printf 'Apple)}]d8h0-0h8b)}]\r\nRed)}]d8h0-0h8b)}]\r\nFruit)}]d8h0-0h8b)}]\r\n' >"$work/run/deck.mqd"
# Runs the unpacked binary in a folder holding deck.mqd; sets $status, output in $work/out, err.
run_memoquill() {
  status=0
  (cd "$work/run" && env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
     HOME="$work/home" timeout 5 "$root/usr/bin/memoquill" "$@") \
    >"$work/out" 2>"$work/err" || status=$?
}
show_run() {
  echo "-- stdout:" >&2; cat "$work/out" >&2
  echo "-- stderr:" >&2; cat "$work/err" >&2
}

# Opening a deck as the file manager does: it must load and then wait for the user.
run_memoquill deck.mqd
if ((status != 124)); then
  show_run
  fail "memoquill deck.mqd exited with status $status instead of running until stopped"
fi
run_memoquill
if ((status != 124)); then
  show_run
  fail "memoquill with no deck exited with status $status instead of running until stopped"
fi

run_memoquill --version
if ((status != 0)) || ! grep -qF "$version" "$work/out"; then
  show_run
  fail "memoquill --version exited with status $status or did not print $version"
fi
run_memoquill --help
if ((status != 0)) || ! grep -q -e '--version' "$work/out"; then
  show_run
  fail "memoquill --help exited with status $status or did not list --version"
fi
run_memoquill a.mqd b.mqd
if ((status != 2)) || ! grep -qi 'usage' "$work/err"; then
  show_run
  fail "memoquill a.mqd b.mqd exited with status $status, not 2 with a usage line on stderr"
fi
# The manual page promises status 1 when there is no display, rather than Qt's abort.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 5 "$root/usr/bin/memoquill" \
  >"$work/out" 2>"$work/err" || status=$?
if ((status != 1)) || ! [[ -s "$work/err" ]]; then
  show_run
  fail "memoquill without a display exited with status $status, not 1 with a message"
fi

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "packaging: all checks passed"
