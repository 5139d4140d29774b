#!/bin/sh
# Each text that names the program's version, outside the build, names
# VERSION, the project's: the Debian changelog's latest entry (its upstream
# part), the metainfo's latest release and the manual page's footer.
#
#     versions_agree.sh SOURCE_DIR VERSION
cd "$1" || exit 2
version=$2
status=0
agrees() {
    if [ "$2" = "$version" ]; then
        echo "$1: $2"
    else
        echo "$1 names version «$2», the project $version"
        status=1
    fi
}
agrees debian/changelog "$(sed -n '1s/^[^ ]* (\([^)]*\)-[^-)]*).*/\1/p' debian/changelog)"
agrees data/org.example.eulerprimes.metainfo.xml \
    "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' data/org.example.eulerprimes.metainfo.xml | head -n 1)"
agrees data/euler-primes.1 "$(sed -n '1s/^\.TH .*"euler-primes \([^"]*\)".*/\1/p' data/euler-primes.1)"
exit $status
