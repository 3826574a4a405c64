"""Marks the header of setup.exe or uninstall.exe, as NSIS hands it to
!packhdr, for Windows 10 and later: its operating system version, which NSIS
leaves at 4.0 (PESubsysVer sets only the subsystem's).
  windows10.py HEADER"""
import sys

import pefile

with open(sys.argv[1], "rb") as file:
    pe = pefile.PE(data=file.read())
pe.OPTIONAL_HEADER.MajorOperatingSystemVersion = 10
pe.OPTIONAL_HEADER.MinorOperatingSystemVersion = 0
pe.write(sys.argv[1])
