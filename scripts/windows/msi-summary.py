#!/usr/bin/python3
"""Gives a Windows Installer package the summary that its files decide.

    msi-summary.py PACKAGE.msi PACKAGE_CODE EPOCH

wixl 0.101 writes a random revision number (the package code that Windows
Installer reads) and the time of the build as the package's created and
last-saved times. This sets the revision number to PACKAGE_CODE and both
times to EPOCH (seconds since 1970, UTC), in place: a value of either kind
keeps its size, so the stream does. Runs on Debian's python3, whose
python3-olefile reads and writes the package's compound file.
"""
import struct
import sys
import uuid

import olefile

REVISION, CREATED, SAVED = 9, 12, 13      # the summary's property ids
VT_LPSTR, VT_FILETIME = 30, 64
STREAM = "\x05SummaryInformation"

package, code, epoch = sys.argv[1], uuid.UUID(sys.argv[2]), int(sys.argv[3])
revision = ("{%s}" % str(code).upper()).encode("ascii")
filetime = struct.pack("<Q", (epoch + 11644473600) * 10_000_000)

with olefile.OleFileIO(package, write_mode=True) as ole:
    data = bytearray(ole.openstream(STREAM).read())
    (section,) = struct.unpack_from("<I", data, 44)   # the one section's offset
    _, count = struct.unpack_from("<II", data, section)
    for i in range(count):
        key, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
        at = section + offset
        (kind,) = struct.unpack_from("<I", data, at)
        if key == REVISION and kind == VT_LPSTR:
            (size,) = struct.unpack_from("<I", data, at + 4)
            if size != len(revision) + 1:
                sys.exit(f"{package}: a revision number of {size} bytes, expected {len(revision) + 1}")
            data[at + 8:at + 8 + len(revision)] = revision
        elif key in (CREATED, SAVED) and kind == VT_FILETIME:
            data[at + 4:at + 12] = filetime
    ole.write_stream(STREAM, bytes(data))
