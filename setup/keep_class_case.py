#!/usr/bin/python3
"""Puts the progress bar's window class back into the letter case the common controls register it in.

windres writes every window class named by a string in upper case ("MSCTLS_PROGRESS32"). Windows finds
the class either way, since class names compare without regard to case, but the dialog template is
meant to carry the name as it is written. The name is UTF-16 in the compiled resources; the change
keeps every byte's position.

Usage: keep_class_case.py compiled.res patched.res
"""

import sys

UPPER = "MSCTLS_PROGRESS32".encode("utf-16-le")
LOWER = "msctls_progress32".encode("utf-16-le")

data = open(sys.argv[1], "rb").read()
if data.count(UPPER) != 1:
    sys.exit("expected the progress bar's class exactly once in %s" % sys.argv[1])
open(sys.argv[2], "wb").write(data.replace(UPPER, LOWER))
