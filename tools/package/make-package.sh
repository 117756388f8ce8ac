#!/usr/bin/env bash
# Makes the portable zip and the installer of one build from its bin folder.
#   make-package.sh BIN_DIR OUT_DIR VERSION VERSION_TEXT ARCH(x86|x64) SOURCE_DIR
# Writes OUT_DIR/Lexoria-VERSION-ARCH-portable.zip and -setup.exe.
set -euo pipefail
bin=$1 out=$2 version=$3 version_text=$4 arch=$5 src=$6
stage="$out/stage-$arch/Lexoria"
rm -rf "$out/stage-$arch"
mkdir -p "$stage/help" "$out"
cp "$bin/verbs.exe" "$bin/Pictures.dll" "$stage/"
cp "$bin/help/"* "$stage/help/"

name="Lexoria-$version-$arch"
# Packages of earlier versions of this architecture would be mistaken for these.
rm -f "$out"/Lexoria-*-"$arch"-setup.exe "$out"/Lexoria-*-"$arch"-portable.zip
# Stored without extra attributes or timestamps of the build machine's users.
(cd "$out/stage-$arch" && zip -q -r -X "$out/$name-portable.zip" Lexoria)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION_TEXT="$version_text" -DARCH="$arch" \
  -DSTAGE="$stage" -DICON="$src/resources/verbs.ico" -DOUTFILE="$out/$name-setup.exe" \
  "$src/tools/package/verbs.nsi"
echo "Packages of $arch: $out/$name-setup.exe, $out/$name-portable.zip"
