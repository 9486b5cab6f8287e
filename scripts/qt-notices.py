#!/usr/bin/env python3
"""Prints the notices that a program linking a static Qt must carry.

    scripts/qt-notices.py SOURCE VERSION LEFT-OUT [DEBIAN-PACKAGE...]

SOURCE is the unpacked qt6-base source, VERSION its Debian version. LEFT-OUT is a regular
expression of the source folders whose code the build leaves out; their attributions are
skipped. The copyright files of the Debian packages named last follow: the runtimes that
the toolchain links into the program.
"""
import json
import pathlib
import re
import sys

source, version, left_out = pathlib.Path(sys.argv[1]), sys.argv[2], re.compile(sys.argv[3])
print(f"==== Qt {version.split('+')[0]} (Debian source package qt6-base {version}) ====\n")
print("Qt is licensed under the GNU Lesser General Public License version 3.\n")
print((source / "LICENSES/LGPL-3.0-only.txt").read_text())
for path in sorted(source.glob("src/**/qt_attribution.json")):
    if left_out.search("/" + str(path.parent.relative_to(source)) + "/"):
        continue
    entries = json.loads(path.read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print(f"\n==== {entry['Name']} {entry.get('Version', '')} ====\n")
        print(entry.get("Copyright", "").strip())
        print(f"\nLicense: {entry.get('License', '')}\n")
        files = entry.get("LicenseFile", "")
        for name in files if isinstance(files, list) else filter(None, files.split(";")):
            print((path.parent / name).read_text(errors="replace"))
for package in sys.argv[4:]:
    print(f"\n==== {package} (Debian) ====\n")
    print(pathlib.Path(f"/usr/share/doc/{package}/copyright").read_text(), end="")
