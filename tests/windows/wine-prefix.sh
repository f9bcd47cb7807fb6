#!/bin/sh
# Starts or ends the Wine prefix the Windows tests run in.
#
#   wine-prefix.sh start|stop WINESERVER EMULATOR...
#
# Wine's services (services.exe, winedevice.exe, plugplay.exe, ...) start with
# the first program of a prefix and inherit its standard output and error,
# which they hold for the wineserver's lifetime: started by a test, they keep
# CTest's pipe open and a test that passed is reported as a timeout. So the
# prefix is started before the tests, its output to /dev/null, with a
# wineserver that stays until "stop" ends it after the last test.
set -u
action=$1
wineserver=$2
shift 2
prefix=$(for word in "$@"; do case $word in WINEPREFIX=*) echo "${word#WINEPREFIX=}" ;; esac; done)
[ -n "$prefix" ] || { echo "no WINEPREFIX= in the emulator command: $*"; exit 1; }

case $action in
  start)
    # A server that a run just before was told to end may still be on its
    # way out; -p fails until it has gone.
    tries=0
    until WINEPREFIX=$prefix "$wineserver" -p </dev/null >/dev/null 2>&1; do
      tries=$((tries + 1))
      [ "$tries" -lt 10 ] || { echo "wineserver -p failed in $prefix"; exit 1; }
      sleep 0.5
    done
    "$@" wineboot </dev/null >/dev/null 2>&1 || { echo "wineboot failed in $prefix"; exit 1; }
    echo "Wine prefix $prefix started" ;;
  stop)
    WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
    echo "Wine prefix $prefix stopped" ;;
  *) echo "usage: $0 start|stop WINESERVER EMULATOR..."; exit 2 ;;
esac
