# SPDX-License-Identifier: GPL-3.0-or-later
# A print queue for the printing test: a CUPS server of its own (its configuration, spool, logs and
# socket in one folder of the build) with one queue on the cups-pdf backend, which writes every job
# as a PDF file into a folder the test reads. The machine's own CUPS setup is neither used nor
# changed; the one file it needs outside that folder, the backend's settings for this queue, is
# removed again when the server stops. Needs root (the backend runs as root) and the packages of
# AB_PRINT_PACKAGES. Sourced by scripts/test.

AB_QUEUE_NAME=AeroBalance-Test
AB_QUEUE_INSTANCE=aerobalance-test
AB_QUEUE_BACKEND_CONF=/etc/cups/cups-pdf-$AB_QUEUE_INSTANCE.conf
AB_QUEUE_PID=

# ab_print_queue_start DIR: starts the server in DIR and exports what the test and Qt need to find the
# queue (CUPS_SERVER, AEROBALANCE_TEST_QUEUE, AEROBALANCE_TEST_QUEUE_OUTPUT). Returns non-zero, having
# said why, when the queue cannot be set up.
ab_print_queue_start() {
  local dir
  dir=$(realpath -m "$1")
  rm -rf "$dir"
  mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
  cat >"$dir/conf/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
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
EOF
  cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
EOF
  cat >"$AB_QUEUE_BACKEND_CONF" <<EOF
# Settings of the cups-pdf queue of AeroBalance's printing test; removed when the test's server stops.
Out $dir/out
AnonDirName $dir/out
Spool $dir/spool/cups-pdf
EOF

  /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" &
  AB_QUEUE_PID=$!
  local i
  for i in $(seq 100); do
    [ -S "$dir/cups.sock" ] && break
    sleep 0.1
  done
  if ! [ -S "$dir/cups.sock" ]; then
    echo "The print server for the printing test did not start; see $dir/log/error_log."
    ab_print_queue_stop
    return 1
  fi
  # lpadmin warns that PPD drivers are deprecated; cups-pdf has no other kind yet. The page reaches
  # the backend as PostScript; converted by pdftocairo (as cups-pdf's Debian notes advise) its text
  # stays readable in the PDF the backend writes, which the test reads.
  if ! lpadmin -h "$dir/cups.sock" -p "$AB_QUEUE_NAME" -E -v "cups-pdf:/$AB_QUEUE_INSTANCE" \
       -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o pdftops-renderer-default=pdftocairo 2>/dev/null; then
    echo "The print queue for the printing test could not be added."
    ab_print_queue_stop
    return 1
  fi
  export CUPS_SERVER="$dir/cups.sock"
  export AEROBALANCE_TEST_QUEUE="$AB_QUEUE_NAME"
  export AEROBALANCE_TEST_QUEUE_OUTPUT="$dir/out"
  echo "Print queue $AB_QUEUE_NAME is up: cups-pdf writes its jobs into $dir/out."
}

# Stops the server started above, if any, and takes the backend's settings away again.
ab_print_queue_stop() {
  if [ -n "$AB_QUEUE_PID" ]; then
    kill "$AB_QUEUE_PID" 2>/dev/null || true
    wait "$AB_QUEUE_PID" 2>/dev/null || true
    AB_QUEUE_PID=
  fi
  rm -f "$AB_QUEUE_BACKEND_CONF"
  unset CUPS_SERVER AEROBALANCE_TEST_QUEUE AEROBALANCE_TEST_QUEUE_OUTPUT
}
