#!/usr/bin/env bash
# Signing, tried with a certificate authority made here and now with openssl
# (a school's own authority stands in its place), under Wine:
#
# 1. package.sh packages the build into a folder of its own, where an earlier
#    version's outputs wait to be cleared, signing with a code-signing
#    certificate of that authority from a PKCS#12 file whose password is in
#    a file, timestamped by a timestamp server that runs here (openssl ts
#    behind a small HTTP server);
# 2. osslsigncode verify accepts the program, the installer, the uninstaller
#    that the installer writes and the Windows Installer package against the
#    authority, timestamp included, and rejects the installer once one byte of
#    it is changed; the program signed with the same key on a token
#    (SoftHSM's, through PKCS#11) passes too;
# 3. the signed installer and package install, start and uninstall as the
#    unsigned ones do (install-check.sh, msi-check.sh).
#
#     signing-check.sh BUILD QT_SOURCE QT_SOURCE_VERSION NAME
#
# NAME is what this version's outputs are named (euler-primes-1.0-windows-x64).
# Run it in the Wine session (session.sh), as the Windows build's tests do.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packaging=$(cd "$here/../../scripts/windows" && pwd)
build=$(realpath "$1")
name="$4"
work=$(mktemp -d)
tsa_server=""
cleanup() {
    [[ -z "$tsa_server" ]] || kill "$tsa_server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "signing: $*" >&2; exit 1; }
cd "$work"

# The authority, its code-signing certificate and its timestamping
# certificate, each valid for a day.
make_certificate() {  # NAME PURPOSE: NAME.key, NAME.pem, signed by ca
    openssl req -new -newkey rsa:2048 -noenc -keyout "$1.key" -subj "/CN=Euler Primes $1" \
        -out "$1.csr" 2>/dev/null
    openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -days 1 \
        -extfile <(printf 'basicConstraints=critical,CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=critical,%s\n' "$2") \
        -out "$1.pem" 2>/dev/null
}
openssl req -x509 -newkey rsa:2048 -noenc -keyout ca.key -subj "/CN=Euler Primes test authority" \
    -days 1 -addext 'basicConstraints=critical,CA:TRUE' -addext 'keyUsage=critical,keyCertSign' \
    -out ca.pem 2>/dev/null
make_certificate signer codeSigning
make_certificate timestamps timeStamping
umask 077
printf '%s' 'пароля на училището' >password
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password \
    -out signer.p12

# The timestamp server: openssl ts answers each request that is posted.
cat >tsa.cnf <<EOF
[tsa]
default_tsa = here
[here]
serial = $work/tsa.serial
crypto_device = builtin
signer_cert = $work/timestamps.pem
signer_key = $work/timestamps.key
certs = $work/ca.pem
signer_digest = sha256
default_policy = 1.3.6.1.4.1.99999.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
EOF
echo 01 >tsa.serial
python3 - "$work/tsa.cnf" >tsa.port <<'PYTHON' &
import http.server, subprocess, sys

class Timestamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", sys.argv[1],
                                "-queryfile", "/dev/stdin", "-out", "/dev/stdout"],
                               input=query, capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass

server = http.server.HTTPServer(("127.0.0.1", 0), Timestamps)
print(server.server_address[1], flush=True)
server.serve_forever()
PYTHON
tsa_server=$!
for _ in $(seq 50); do
    [[ -s tsa.port ]] && break
    sleep 0.1
done
[[ -s tsa.port ]] || fail "the timestamp server did not start"

# The folder holds an earlier version's outputs, as after a version bump:
# they go, and this version's alone are left.
mkdir -p out/euler-primes-0.9-windows-x64
touch out/euler-primes-0.9-windows-x64{.zip,.msi,-setup.exe}
EULER_SIGN_PKCS12="$work/signer.p12" EULER_SIGN_PASSWORD_FILE="$work/password" \
    EULER_SIGN_TIMESTAMP="http://127.0.0.1:$(cat tsa.port)" \
    "$packaging/package.sh" "$build" "$2" "$3" "$work/out" "$name"
left=$(cd out && printf '%s\n' euler-primes-* | LC_ALL=C sort | paste -sd ' ')
[[ "$left" == "$name $name-setup.exe $name.msi $name.zip" ]] ||
    fail "after packaging the folder holds $left"

verify() {
    osslsigncode verify -CAfile "$work/ca.pem" -TSA-CAfile "$work/ca.pem" -in "$1" 2>&1
}
"$here/install-check.sh" "out/$name-setup.exe" "out/$name/" "$build/app/icon/euler.ico" \
    "$work/uninstall.exe"
for file in "out/$name/euler-primes.exe" "out/$name-setup.exe" uninstall.exe "out/$name.msi"; do
    echo "== osslsigncode verify $(basename "$file")"
    verify "$file" | grep -E '^(Signature verification|The signature is timestamped|Timestamp Server)' ||
        fail "$file: not signed as it should be"
done

# One byte changed in what the signature covers.
cp "out/$name-setup.exe" tampered.exe
size=$(stat -c %s tampered.exe)
printf '\xff' | dd of=tampered.exe bs=1 seek=$((size / 2)) conv=notrunc status=none
verify tampered.exe >tampered.log || true
grep -q '^Signature verification: failed' tampered.log ||
    fail "a changed installer passed verification"
echo "== osslsigncode verify of the installer with one byte changed"
grep -E '^(Calculated message digest|Signature verification)' tampered.log

# A key on a token (SoftHSM's, holding the same key), its PIN from the
# environment, signs the program as it was built.
export SOFTHSM2_CONF="$work/softhsm2.conf"
mkdir tokens
echo "directories.tokendir = $work/tokens" >"$SOFTHSM2_CONF"
softhsm2-util --init-token --free --label school --pin 2718 --so-pin 31415926 >/dev/null
openssl pkcs8 -topk8 -nocrypt -in signer.key -out signer.p8
softhsm2-util --import signer.p8 --token school --label signer --id 01 --pin 2718 >/dev/null
cp "$build/euler-primes.exe" token-signed.exe
EULER_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so \
    EULER_SIGN_PKCS11_KEY="pkcs11:token=school;object=signer;type=private" \
    EULER_SIGN_CERTS="$work/signer.pem" EULER_SIGN_PASSWORD=2718 \
    "$packaging/sign.sh" token-signed.exe
echo "== osslsigncode verify euler-primes.exe, signed with the key on a token"
verify token-signed.exe | grep -E '^Signature verification' || fail "the token's signature failed"

"$here/msi-check.sh" "out/$name.msi" "out/$name/" "$build/app/icon/euler.ico"
echo "signing: the program, the installer, its uninstaller and the package signed and" \
    "timestamped, verified against the authority; a changed installer rejected;" \
    "a key on a token signs too"
