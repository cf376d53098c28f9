#!/usr/bin/env bash
# The Debian package, made by CPack from the build folder as it stands (no
# rebuild), checked with the tools a distribution uses: lintian, the desktop
# entry, AppStream and MIME validators, the unpacked programs themselves, the
# bash completion, the man pages, and apt's resolution of its dependencies.
# Usage: PackageTest.sh BUILD_DIR. Fails, never skips, when a tool is missing.
set -uo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
step() { echo "== $* (${SECONDS}s)"; }

for tool in cpack lintian dpkg-deb desktop-file-validate appstreamcli update-mime-database gio pdfinfo apt-get man; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/install-deps test)"; exit 1; }
done
id=$(sed -n 's/.*kApplicationId\[\] = "\(.*\)";/\1/p' "$build/generated/core/Version.h")
version=$(sed -n 's/.*kVersion\[\] = "\(.*\)";/\1/p' "$build/generated/core/Version.h")
[ -n "$id" ] && [ -n "$version" ] || { echo "FAIL: no version or id in $build/generated/core/Version.h"; exit 1; }

step "cpack"
if ! (cd "$build" && cpack -G DEB -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1); then
  cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1
fi
deb="$scratch/cpack/tessell_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$scratch/cpack"; echo "FAIL: no $deb"; exit 1; }
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"

step "lintian"
lintian --fail-on error "$deb" >"$scratch/lintian.txt" 2>&1
status=$?
cat "$scratch/lintian.txt"
echo "lintian: $(grep -c '^E:' "$scratch/lintian.txt") errors, $(grep -c '^W:' "$scratch/lintian.txt") warnings"
[ $status -eq 0 ] || fail "lintian reports errors"

step "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == *"<"*@*">" ]] || fail "Maintainer is '$(field Maintainer)'"
[[ $(field Description) == *"mosaic murals"* ]] || fail "Description: $(field Description)"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6printsupport6 libsane1 libicu72 fonts-ipafont-gothic; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
for tool in cups-daemon cups sane-utils cmake g++ clang xvfb; do
  [[ ", $depends," == *", $tool "* || ", $depends," == *", $tool,"* ]] && fail "Depends names $tool"
done

step "unpack"
root="$scratch/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
share="$root/usr/share"
for f in bin/tessell bin/tessell-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml share/man/man1/tessell.1.gz share/man/man1/tessell-cli.1.gz \
         share/bash-completion/completions/tessell-cli share/doc/tessell/copyright \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -e "$root/usr/$f" ] || fail "missing /usr/$f"
done

step "desktop entry, AppStream, MIME"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
grep -q "^Exec=tessell %f$" "$share/applications/$id.desktop" || fail "Exec line"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "metainfo release is not $version"
# It notes that the scratch folder is not searched; anything else is a fault of the file.
update-mime-database -V "$share/mime" >"$scratch/mime.txt" 2>&1 || fail "update-mime-database"
grep -i 'error\|warning\|unknown\|invalid' "$scratch/mime.txt" && fail "update-mime-database"
printf 'tsfile,2,1\r\n' >"$scratch/mural.tsl"
printf 'tsfile,2,1\r\n' >"$scratch/mural-without-extension"
for design in mural.tsl mural-without-extension; do
  type=$(XDG_DATA_HOME="$scratch/nothing" XDG_DATA_DIRS="$share:/usr/share" \
         gio info -a standard::content-type "$scratch/$design" | sed -n 's/.*content-type: //p')
  [ "$type" = application/x-tessell ] || fail "$design is '$type'"
done

step "the unpacked tessell-cli"
cli="$root/usr/bin/tessell-cli"
[ "$("$cli" --version)" = "tessell-cli $version" ] || fail "--version says '$("$cli" --version)'"
# A 4 x 2 picture: red, green, blue and white above, black below.
printf 'P3\n4 2\n255\n255 0 0  0 255 0  0 0 255  255 255 255\n0 0 0  0 0 0  0 0 0  0 0 0\n' >"$scratch/photo.ppm"
"$cli" new 8x4 -o "$scratch/design.tsl" || fail "new"
"$cli" convert "$scratch/photo.ppm" --design "$scratch/design.tsl" -o "$scratch/converted.tsl" || fail "convert"
[[ $("$cli" info "$scratch/converted.tsl") == *'"columns": 8,'* ]] || fail "info of the converted design"
"$cli" print "$scratch/converted.tsl" --classes-fair 2 --title Test -o "$scratch/pages.pdf" || fail "print"
[ "$(pdfinfo "$scratch/pages.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 2 ] || fail "pages.pdf is not two pages"

step "bash completion and man pages"
completions=$(PATH="$root/usr/bin:$PATH" bash -c '
  source "$1"
  COMP_WORDS=(tessell-cli con); COMP_CWORD=1; _tessell_cli; echo "${COMPREPLY[*]}"
  COMP_WORDS=(tessell-cli convert x.png --cr); COMP_CWORD=3; _tessell_cli; echo "${COMPREPLY[*]}"' \
  _ "$root/usr/share/bash-completion/completions/tessell-cli")
[ "$completions" = $'convert\n--crop' ] || fail "completion gave: $completions"
manual=$(zcat "$share/man/man1/tessell-cli.1.gz" | sed 's/\\-/-/g')
for command in $(TESSELL_LANG=en "$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p'); do
  grep -q "^\.B $command " <<<"$manual" || fail "tessell-cli.1 lacks the command $command"
  for option in $(TESSELL_LANG=en "$cli" help "$command" | grep -o -- '^  -[-a-z]*' | tr -d ' '); do
    grep -q -- "$option" <<<"$manual" || fail "tessell-cli.1 lacks $command $option"
  done
done
for p in tessell.1.gz tessell-cli.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/man1/$p" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$p: $warnings"
done

step "apt-get install --simulate"
# Resolved as on a machine with nothing installed yet: the list is all a fresh
# install would add, so it must hold no daemon and no build or test tool.
: >"$scratch/empty-status"
apt-get install --simulate -o Dir::State::status="$scratch/empty-status" "$deb" >"$scratch/apt.txt" 2>&1
status=$?
grep -q '^Inst tessell ' "$scratch/apt.txt" || { cat "$scratch/apt.txt"; fail "apt-get does not resolve the package (status $status)"; }
installed=$(sed -n 's/^Inst \([^ ]*\) .*/\1/p' "$scratch/apt.txt")
echo "a fresh install adds $(wc -l <<<"$installed") packages"
for tool in cups-daemon cups cups-filters printer-driver-cups-pdf cmake g++ gcc clang qt6-base-dev libsane-dev xvfb lintian; do
  grep -qx "$tool" <<<"$installed" && fail "a fresh install would add $tool"
done
apt-get install --simulate "$deb" >"$scratch/apt-here.txt" 2>&1 || { cat "$scratch/apt-here.txt"; fail "apt-get install --simulate on this machine"; }

[ $failures -eq 0 ] && echo "package: all checks passed"
exit $((failures > 0))
