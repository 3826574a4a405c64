#!/usr/bin/env bash
# What a Windows player downloads: the portable zip (tarnel.exe, exactly the
# DLLs it and its plugins import, found by following their import tables,
# the Windows platform and style plugins, Qt's own translations and a
# qt.conf) and the installer made from the same files.
#   package.sh BUILD_DIR QT_PREFIX
#     → BUILD_DIR/tarnel-VERSION-windows-x64.zip, BUILD_DIR/tarnel-VERSION-setup.exe
set -euo pipefail
build=$1
qt=$2
version=$(sed -n 's/^project(Tarnel VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
IFS=. read -r major minor patch <<< "$version"
# The MinGW runtime's folder, as the compiler knows it.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
stage=$build/package/tarnel
rm -rf "$build/package" && mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"
cp "$build/src/ui/tarnel.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp /usr/share/qt6/translations/qtbase_*.qm "$stage/translations/"
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' > "$stage/qt.conf"

# Every DLL imported, and what those import, from Qt and the MinGW runtime;
# Windows' own DLLs are left to Windows.
search=("$qt/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)
queue=("$stage/tarnel.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [[ -e $stage/$dll ]] && continue
    for dir in "${search[@]}"; do
      if [[ -e $dir/$dll ]]; then
        cp "$dir/$dll" "$stage/"
        queue+=("$stage/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# Without their symbols: a player's download, not a debugger's.
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

zip="$(realpath -m "$build")/tarnel-$version-windows-x64.zip"
rm -f "$zip"
(cd "$build/package" && zip -qr9 "$zip" tarnel)
echo "$zip"

# The uninstaller removes exactly what was installed: files, then folders.
package=$(realpath "$build/package")
files=$package/uninstall-files.nsh
(
  cd "$stage"
  echo '!macro REMOVE_FILES'
  find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  echo '!macroend'
  echo '!macro REMOVE_FOLDERS'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
  echo '!macroend'
) > "$files"
# uninstall.exe, then the installer that carries it. Their version records
# read as the game's: 1.0.10 as 1.0.0.10 and 1.00.0010.
nsis=(makensis -V2 -DVERSION="$version" -DQUAD="$major.$minor.0.$patch"
  -DRECORD="$(printf '%d.%02d.%04d' "$major" "$minor" "$patch")"
  -DICON="$(realpath "$build/src/ui/tarnel.ico")")
"${nsis[@]}" -DFILES="$files" -DOUTFILE="$package/uninstall.exe" "$(dirname "$0")/uninstall.nsi"
setup="$(realpath -m "$build")/tarnel-$version-setup.exe"
"${nsis[@]}" -DSTAGE="$(realpath "$stage")" -DUNINSTALLER="$package/uninstall.exe" \
  -DOUTFILE="$setup" "$(dirname "$0")/tarnel.nsi"
echo "$setup"
