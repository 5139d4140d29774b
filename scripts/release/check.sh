#!/usr/bin/env bash
# Reads a release folder as a stranger would, from the project's builds that
# made it (run it where scripts/release.sh ran):
#
# 1. every file is listed in SHA256SUMS and matches it, and nothing else is
#    there;
# 2. a signed Windows file's certificate leads to an authority that the
#    machine trusts (Debian's ca-certificates, or EULER_SIGN_CAFILE for a
#    school's own authority), so that no test certificate is released;
# 3. the Windows downloads are the ones of build-windows, whose installer and
#    package tests then run under Wine (ctest -L install);
# 4. the site archive, unpacked, holds exactly the site of build-web, and the
#    page's tests run against the unpacked copy in the three engines
#    (ctest --preset web, with EULER_TESTED_SITE).
#
#     scripts/release/check.sh RELEASE_FOLDER
set -euo pipefail
release=$(realpath "$1")
cd "$(dirname "$0")/../.."
step() { echo "== $(date +%T) check: $*"; }
fail() { echo "check: $*" >&2; exit 1; }

step "SHA256SUMS"
(cd "$release" && sha256sum --check --strict SHA256SUMS)
listed=$(cut -c67- "$release/SHA256SUMS" | LC_ALL=C sort)
present=$(cd "$release" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort)
[[ "$listed" == "$present" ]] || fail "SHA256SUMS lists «$listed», the folder holds «$present»"

step "the signatures"
authorities=${EULER_SIGN_CAFILE:-/etc/ssl/certs/ca-certificates.crt}
for file in "$release"/*-windows-x64{-setup.exe,.msi}; do
    if scripts/windows/signed.sh "$file"; then
        osslsigncode verify -CAfile "$authorities" -TSA-CAfile "$authorities" -in "$file" >/dev/null ||
            fail "$(basename "$file") is signed by a certificate that no authority in $authorities vouches for"
        echo "signed: $(basename "$file")"
    else
        echo "unsigned: $(basename "$file")"
    fi
done

step "the Windows downloads, installed and removed under Wine"
for file in "$release"/*-windows-x64{-setup.exe,.msi,.zip}; do
    cmp "$file" "build-windows/out/$(basename "$file")" ||
        fail "$(basename "$file") is not the one that build-windows tests"
done
ctest --test-dir build-windows -L install --output-on-failure

step "the site archive, unpacked, and the page's tests"
unpacked=$(mktemp -d)
trap 'cmake --preset web -UEULER_TESTED_SITE >/dev/null; rm -rf "$unpacked"' EXIT
tar -xzf "$release"/*-site.tar.gz -C "$unpacked"
site=$(echo "$unpacked"/*-site)
diff -r "$site" build-web/site || fail "the site archive is not the site that was built"
cmake --preset web -DEULER_TESTED_SITE="$site" >/dev/null
ctest --preset web
echo "check: the release in $release is whole and works"
