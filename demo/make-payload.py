#!/usr/bin/env python3
"""Writes the demo payload's data files into the folder given as argument.

The bitmaps are real 24-bit BMPs; the other files are small stand-ins that
say what they stand for.
"""
import struct
import sys
from pathlib import Path

BITMAPS = {
    "step1.BMP": (0x33, 0x66, 0x99),
    "step1a.bmp": (0x99, 0x33, 0x33),
    "step2.bmp": (0x33, 0x99, 0x33),
    "step2a.bmp": (0x99, 0x99, 0x33),
    "step3.bmp": (0x33, 0x99, 0x99),
    "step4.bmp": (0x99, 0x33, 0x99),
    "step5.bmp": (0x66, 0x66, 0x66),
}

STAND_INS = {
    "AVI.avi": "Stand-in for the product's animation (demo payload).\r\n",
    "VelmoraHelp.chm": "Stand-in for the help file of Velmora for RAID 5 ( Demo ).\r\n",
    "unfixwmi.bat": "@echo off\r\nrem Demo payload: the product's WMI repair script does nothing here.\r\n",
    "ZTParseMsgA.dll": "Stand-in for the product's ANSI message parser library (demo payload).\r\n",
    "ZTParseMSGW.dll": "Stand-in for the product's Unicode message parser library (demo payload).\r\n",
}
for language in ("English", "Dutch", "French", "German"):
    for kind in ("A", "W"):
        STAND_INS[f"{language}{kind}.dat"] = f"Demo payload: {language} language data ({kind}).\r\n"


def bitmap(width, height, rgb):
    row = bytes((rgb[2], rgb[1], rgb[0])) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, rgb in BITMAPS.items():
        (out / name).write_bytes(bitmap(16, 12, rgb))
    for name, text in STAND_INS.items():
        (out / name).write_bytes(text.encode("ascii"))


if __name__ == "__main__":
    main()
