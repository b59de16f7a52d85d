#!/usr/bin/env python3
"""Converts a UTF-8 resource script to code page 932 for the resource compiler.

Usage: rc_to_cp932.py SOURCE.rc OUTPUT.rc
"""
import sys

with open(sys.argv[1], encoding="utf-8") as source:
    text = source.read()
with open(sys.argv[2], "wb") as output:
    output.write(text.encode("cp932"))
