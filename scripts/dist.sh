#!/usr/bin/env bash
# Makes the release files from one build tree's binaries: OUT/Tilfay-VERSION-win32.zip and OUT/Tilfay-VERSION.msi,
# named with the version the binaries were built with. Usage: dist.sh BUILD_TREE OUT
set -euo pipefail
source_dir=$(realpath "$(dirname "$0")/..")
tree=$(realpath "$1")
out=$(realpath -m "$2")
version=$(sed -n 's/^#define TILFAY_VERSION_TEXT "\(.*\)"$/\1/p' "$tree/resources/version.h")
[ -n "$version" ] || { echo "no version in $tree/resources/version.h" >&2; exit 1; }

# The release's folder as it is installed: the program, its hook library, the user guide page with its
# pictures, the word lists with their licence, and the licence.
stage="$out/stage"
rm -rf "$stage"
mkdir -p "$stage"
cp -r "$tree/bin/Tilfay.exe" "$tree/bin/Tilmhk32.dll" "$tree/bin/guide" "$tree/bin/words" "$stage/"
cp "$source_dir/LICENSE" "$stage/LICENSE.txt"

zip="$out/Tilfay-$version-win32.zip"
msi="$out/Tilfay-$version.msi"
rm -f "$zip" "$msi"
(cd "$stage" && zip -q -X -r "$zip" .)

# wixl takes sources relative to the folder it runs in.
(cd "$stage" && wixl -a x86 -D Version="$version" -D SourceDir=. -o "$msi" "$source_dir/packaging/Tilfay.wxs")

# A property of the package; msiinfo writes its tables with CRLF line ends.
property() {
    msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name { print $2 }'
}

# wixl cannot write a component's condition: the Run entry is installed only when START_AT_SIGNIN is 1, and
# the property is passed on to the per-machine install's server side like the ones wixl made secure.
msibuild "$msi" -q "UPDATE \`Component\` SET \`Condition\`='START_AT_SIGNIN = \"1\"' WHERE \`Component\`='StartAtSignIn'"
secure=$(property SecureCustomProperties)
msibuild "$msi" -q "UPDATE \`Property\` SET \`Value\`='${secure:+$secure;}START_AT_SIGNIN' WHERE \`Property\`='SecureCustomProperties'"
# wixl ignores MajorUpgrade's AllowSameVersionUpgrades: another build of the same version would install beside
# this one, with a second "Apps and features" entry, unless the upgrade search takes its version in
# (attributes 513: migrate the features, and the highest version is included).
upgrade_code=$(property UpgradeCode)
msibuild "$msi" -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\`='WIX_UPGRADE_DETECTED'"
msibuild "$msi" -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) VALUES ('$upgrade_code', '$version', 513, 'WIX_UPGRADE_DETECTED')"
rm -rf "$stage"
echo "$zip"
echo "$msi"
