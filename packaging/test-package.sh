#!/usr/bin/env bash
# Installs the project into a scratch root, builds the .deb, and starts the packaged binary.
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

# The validators are for this test only; fetch them when running as root with apt.
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
  echo "WARNING: $tool ($package) is not available; its check is skipped" >&2
  return 1
}

echo "== cmake --install into a scratch root"
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" \
  || { cat "$work/install.log" >&2; exit 1; }

binary="$stage/usr/bin/memoquill"
desktop="$stage/usr/share/applications/memoquill.desktop"
icon="$stage/usr/share/icons/hicolor/scalable/apps/memoquill.svg"
mime="$stage/usr/share/mime/packages/memoquill.xml"
for file in "$binary" "$desktop" "$icon" "$mime"; do
  [[ -f "$file" ]] || fail "not installed: ${file#"$stage"}"
done
[[ -x "$binary" ]] || fail "binary is not executable"
((failures == 0)) || exit 1

# The desktop entry must point at what is actually installed, or menus show a broken item.
if need_tool desktop-file-validate desktop-file-utils; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
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
if command -v update-mime-database >/dev/null; then
  mimedb="$work/mimedb"
  mkdir -p "$mimedb/packages"
  cp "$mime" "$mimedb/packages/"
  if PKGSYSTEM_ENABLE_FSYNC=0 update-mime-database "$mimedb" >"$work/mimedb.log" 2>&1; then
    grep -q ':application/x-memoquill-deck:\*\.mqd' "$mimedb/globs2" \
      || fail "update-mime-database does not map *.mqd to application/x-memoquill-deck"
  else
    cat "$work/mimedb.log" >&2
    fail "update-mime-database rejects the MIME package"
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
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
done
dpkg-deb --info "$deb" >"$work/info.txt" || fail "dpkg-deb --info cannot read the package"
grep -q '^ Maintainer: .*<.*@.*>' "$work/info.txt" || fail "no Maintainer with an address"

dpkg-deb --contents "$deb" >"$work/contents.txt" || fail "dpkg-deb --contents cannot read the package"
for path in ./usr/bin/memoquill ./usr/share/applications/memoquill.desktop \
            ./usr/share/icons/hicolor/scalable/apps/memoquill.svg \
            ./usr/share/mime/packages/memoquill.xml; do
  grep -q " ${path//./\\.}\$" "$work/contents.txt" || fail "package lacks $path"
done
# Files owned by the builder's user, or a non-executable binary, break on install.
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$work/contents.txt" \
  || fail "package has files not owned by root"
grep -q '^-rwxr-xr-x .* \./usr/bin/memoquill$' "$work/contents.txt" || fail "packaged binary is not mode 0755"

echo "== start the packaged binary"
root="$work/root"
dpkg-deb -x "$deb" "$root"
mkdir -m 700 "$work/runtime" "$work/home"
status=0
env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" \
  timeout 3 "$root/usr/bin/memoquill" >"$work/run.log" 2>&1 || status=$?
if ((status != 124)); then
  cat "$work/run.log" >&2
  fail "packaged memoquill exited with status $status instead of running until stopped"
fi

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "packaging: all checks passed"
