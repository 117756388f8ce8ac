#!/usr/bin/env bash
# Makes the portable zip and the installer of one build from its bin folder.
#   make-package.sh BIN_DIR OUT_DIR VERSION VERSION_TEXT ARCH(x86|x64) SOURCE_DIR
# Writes OUT_DIR/Lexoria-VERSION-ARCH-portable.zip and -setup.exe. Beside the
# staged files (OUT_DIR/stage-ARCH) it leaves the list of packaged files the
# installer script includes, and the script's defines (makensis.defines, one
# a line) for the package test, which builds the same script again where the
# installer's own stub cannot run.
set -euo pipefail
bin=$1 out=$2 version=$3 version_text=$4 arch=$5 src=$6
stage_root="$out/stage-$arch"
stage="$stage_root/Lexoria"
rm -rf "$stage_root"
mkdir -p "$stage/help" "$out"
cp "$bin/verbs.exe" "$bin/Pictures.dll" "$stage/"
cp "$bin/help/"* "$stage/help/"

# The uninstaller removes exactly these files, and folders only when empty,
# so that a folder the user chose keeps whatever the user put there.
# verbs.exe comes first: while it cannot be replaced or removed nothing else
# is touched.
files="$stage_root/files.nsh"
{
  echo "; The files of this package, listed when it was made (make-package.sh)."
  echo "!macro PackageFiles DO"
  (cd "$stage" && { echo verbs.exe; echo Pictures.dll; find help -type f | LC_ALL=C sort; }) |
    while IFS= read -r f; do
      case $f in *[\"\$\`]*) echo "make-package.sh: file name not allowed in the installer: $f" >&2; exit 1 ;; esac
      echo "  !insertmacro \${DO} \"${f//\//\\}\""
    done
  echo "!macroend"
} > "$files"

name="Lexoria-$version-$arch"
# Packages of earlier versions of this architecture would be mistaken for these.
rm -f "$out"/Lexoria-*-"$arch"-setup.exe "$out"/Lexoria-*-"$arch"-portable.zip
# Stored without extra attributes or timestamps of the build machine's users.
(cd "$stage_root" && zip -q -r -X "$out/$name-portable.zip" Lexoria)
defines=(-DVERSION="$version" -DVERSION_TEXT="$version_text" -DARCH="$arch" -DSTAGE="$stage"
         -DFILE_LIST="$files" -DICON="$src/resources/verbs.ico")
printf '%s\n' "${defines[@]}" > "$stage_root/makensis.defines"
makensis -V2 -INPUTCHARSET UTF8 "${defines[@]}" -DOUTFILE="$out/$name-setup.exe" "$src/tools/package/verbs.nsi"
echo "Packages of $arch: $out/$name-setup.exe, $out/$name-portable.zip"
