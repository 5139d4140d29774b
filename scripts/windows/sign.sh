#!/usr/bin/env bash
# Signs Windows programs, installers and packages in place with Authenticode
# (Debian's osslsigncode), with the certificate that the environment names;
# without one it does nothing.
#
#     sign.sh FILE...
#
#   EULER_SIGN_PKCS12          a PKCS#12 file (.pfx, .p12) holding the key and
#                              its certificate chain; or, for a key on a token:
#   EULER_SIGN_PKCS11_MODULE   the token's PKCS#11 module (a smart card's:
#                              opensc-pkcs11.so, from Debian's opensc-pkcs11),
#   EULER_SIGN_PKCS11_KEY      the key on it, a pkcs11: URI,
#   EULER_SIGN_CERTS           the certificate chain, PEM;
#   EULER_SIGN_PASSWORD_FILE   a file holding the password (or the token's
#                              PIN), or EULER_SIGN_PASSWORD the password
#                              itself: neither reaches a command line;
#   EULER_SIGN_TIMESTAMP       an RFC 3161 timestamp server's URL, so that
#                              the signature outlives the certificate.
set -euo pipefail

[[ -n "${EULER_SIGN_PKCS12:-}${EULER_SIGN_PKCS11_MODULE:-}" ]] || exit 0
# osslsigncode stores the program's name as ASCII (an IA5String): a
# Bulgarian one would arrive garbled, so the name is the Windows folder's
# (EULER_WINDOWS_FOLDER, the project's identity).
options=(-h sha256 -n "${EULER_WINDOWS_FOLDER:?names the program in ASCII}")
if [[ -n "${EULER_SIGN_PKCS12:-}" ]]; then
    options+=(-pkcs12 "$EULER_SIGN_PKCS12")
else
    options+=(-pkcs11module "$EULER_SIGN_PKCS11_MODULE"
              -key "${EULER_SIGN_PKCS11_KEY:?names the key on the token, a pkcs11: URI}"
              -certs "${EULER_SIGN_CERTS:?names the certificate chain of the key, PEM}")
fi
[[ -z "${EULER_SIGN_TIMESTAMP:-}" ]] || options+=(-ts "$EULER_SIGN_TIMESTAMP")
signed=""
trap 'rm -f "$signed"' EXIT  # what a failed signing leaves
# The password goes through a pipe, which no process listing shows.
if [[ -n "${EULER_SIGN_PASSWORD_FILE:-}${EULER_SIGN_PASSWORD:-}" ]]; then
    options+=(-readpass /dev/stdin)
fi
password() {
    if [[ -n "${EULER_SIGN_PASSWORD_FILE:-}" ]]; then
        cat -- "$EULER_SIGN_PASSWORD_FILE"
    else
        printf '%s' "${EULER_SIGN_PASSWORD:-}"
    fi
}
for file in "$@"; do
    signed="$file.signed"
    rm -f "$signed"
    if ! said=$(password | osslsigncode sign "${options[@]}" -in "$file" -out "$signed" 2>&1)
    then
        echo "$said" >&2
        echo "sign.sh: could not sign $file" >&2
        exit 1
    fi
    mv "$signed" "$file"
    echo "signed: $file"
done

