#!/bin/sh
# Runs one of the Windows build's test programs under Wine for CTest:
#   scripts/wine-test.sh PROGRAM [ARGUMENTS...]
# Without a console, as under CTest, QtTest would write its log to the debugger; the program
# writes it to a file instead, shown here once it ends, with the program's exit status.
program=$1
shift
log=$(mktemp)
wine "$program" "$@" -o "Z:$(echo "$log" | tr / '\\'),txt"
status=$?
cat "$log"
rm -f "$log"
exit "$status"
