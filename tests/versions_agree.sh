#!/bin/sh
# Debian's changelog names the project's version in its latest entry (its
# upstream part); every other text that names the version is made from the
# project's at build time.
#
#     versions_agree.sh SOURCE_DIR VERSION
cd "$1" || exit 2
named=$(sed -n '1s/^[^ ]* (\([^)]*\)-[^-)]*).*/\1/p' debian/changelog)
if [ "$named" = "$2" ]; then
    echo "debian/changelog: $named"
else
    echo "debian/changelog names version «$named», the project $2"
    exit 1
fi
