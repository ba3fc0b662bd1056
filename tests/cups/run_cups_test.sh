#!/usr/bin/env bash
# Prints through a real CUPS queue: starts a private cupsd (its own
# configuration, spool, logs and socket in a temporary folder, so a system
# cupsd and its queues are left alone), adds a cups-pdf queue named PDF that
# writes every job as a PDF into that folder, runs the given test program
# against it, and stops and removes everything again, also after a failure or
# an interrupt.
#
#   run_cups_test.sh TEST_PROGRAM [ARGS...]
#
# The program finds the queue as the default printer and the folder of the
# arriving PDFs in QM_CUPS_OUT. Exits 77 (skipped) when not run as root,
# which starting cupsd and configuring cups-pdf need.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 TEST_PROGRAM [ARGS...]" >&2
  exit 2
fi
program=$1
shift

if [ "$(id -u)" -ne 0 ]; then
  echo "cups printing test SKIPPED: starting cupsd and configuring cups-pdf needs root"
  exit 77
fi

fail() {
  echo "cups printing test: $*" >&2
  exit 1
}
for tool in cupsd lpadmin lpstat pdftotext gs timeout; do
  command -v "$tool" >/dev/null || fail "'$tool' is missing; install the packages of scripts/setup.sh"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing (printer-driver-cups-pdf)"

work=$(mktemp -d /tmp/quillmaze-cups.XXXXXX)
# cups-pdf reads /etc/cups/cups-pdf-NAME.conf for the device cups-pdf:/NAME;
# a name of our own keeps the shared cups-pdf.conf untouched and lets two runs
# side by side each write into their own folder.
name="quillmaze-$$-$RANDOM"
pdfconf="/etc/cups/cups-pdf-$name.conf"
cupsd_pid=""

cleanup() {
  local status=$?
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$cupsd_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ "$status" -ne 0 ] && [ -d "$work/log" ]; then
    echo "---- cupsd and cups-pdf logs" >&2
    tail -n 40 "$work"/log/* >&2 2>/dev/null || true
  fi
  rm -f "$pdfconf"
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work"/etc/ppd "$work"/spool/tmp "$work"/cache "$work"/state "$work"/log "$work"/out "$work"/home
# Filters run as the lp user and must reach the queue's PPD and the spool.
chmod 755 "$work" "$work"/etc "$work"/etc/ppd "$work"/cache "$work"/state "$work"/log
chmod 1777 "$work"/spool/tmp "$work"/out
chown root:lp "$work"/spool
chmod 0710 "$work"/spool

cat > "$work/etc/cupsd.conf" <<CONF
LogLevel info
Listen $work/cups.sock
Browsing No
WebInterface No
IdleExitTimeout 0
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
FileDevice No
CONF
# Label 2 puts the job number in every file name, so two jobs never write
# the same file.
cat > "$pdfconf" <<CONF
Out $work/out
Log $work/log
Label 2
CONF

# Clients (lpadmin, lpstat and the program) talk to this cupsd only and read
# no user or system lpoptions that could name another default printer.
export CUPS_SERVER="$work/cups.sock"
export CUPS_SERVERROOT="$work/etc"
export HOME="$work/home"
unset PRINTER LPDEST

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 1 100); do
  timeout 5 lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start"
  sleep 0.1
done
timeout 5 lpstat -r >/dev/null 2>&1 || fail "cupsd did not answer within 10 seconds"

# Without the cairo renderer the text of the arriving PDF cannot be extracted.
timeout 60 lpadmin -p PDF -v "cups-pdf:/$name" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo -E 2>/dev/null || fail "lpadmin could not create the PDF queue"
timeout 30 lpadmin -d PDF || fail "lpadmin could not make PDF the default queue"

echo "cups printing test: cupsd pid $cupsd_pid, queue PDF -> $work/out"
QM_CUPS_OUT="$work/out" QM_CUPS_QUEUE=PDF QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  timeout --kill-after=10 300 "$program" "$@"
