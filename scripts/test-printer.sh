# A PDF printer queue for the printing tests: started and added when CUPS can
# run here, removed afterwards. Sourced by test.sh.
#
# printer_up starts the CUPS scheduler when it is not running, adds the
# cups-pdf queue $OCUVANCE_TEST_QUEUE writing into $OCUVANCE_TEST_PDF_DIR, and
# exports both for the tests (where AppArmor confines cups-pdf, the folder is
# the one the machine's cups-pdf settings name). printer_down removes the
# queue, its cups-pdf settings and its folder, and stops the scheduler when
# printer_up started it.
# Both may be run any number of times. When CUPS cannot run here printer_up
# says why and returns 1; the test that needs the queue then skips.

OCUVANCE_TEST_QUEUE=OcuvanceTestPDF
export OCUVANCE_TEST_QUEUE

_printer_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

_printer_conf() { echo "/etc/cups/cups-pdf-${OCUVANCE_TEST_QUEUE}.conf"; }

# True when AppArmor holds the cups-pdf backend to its profile.
_printer_cups_pdf_confined() {
  _printer_sudo cat /sys/kernel/security/apparmor/profiles 2>/dev/null | grep -q "cups-pdf (enforce)"
}

# The folder the machine's cups-pdf settings write this user's PDFs into.
_printer_default_out() {
  local user home out
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(awk '$1 == "Out" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  [ -z "$out" ] && out='${HOME}/PDF'
  out=${out//\$\{HOME\}/$home}
  out=${out//\$\{USER\}/$user}
  echo "$out"
}

_printer_scheduler_running() { [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]]; }

printer_up() {
  unset OCUVANCE_TEST_PDF_DIR
  local tool
  for tool in cupsd lpadmin lpstat lp; do
    if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$tool" ]; then
      echo "test printer: $tool is not installed; the real-printer test will skip" >&2
      return 1
    fi
  done
  if [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
    echo "test printer: the cups-pdf backend is not installed; the real-printer test will skip" >&2
    return 1
  fi
  if ! _printer_scheduler_running; then
    local cupsd_bin
    cupsd_bin=$(command -v cupsd || echo /usr/sbin/cupsd)
    if ! _printer_sudo "$cupsd_bin" >/dev/null 2>&1; then
      echo "test printer: the CUPS scheduler could not be started; the real-printer test will skip" >&2
      return 1
    fi
    local waited=0
    until _printer_scheduler_running; do
      sleep 0.5
      waited=$((waited + 1))
      if [ "$waited" -ge 40 ]; then
        echo "test printer: the CUPS scheduler did not come up; the real-printer test will skip" >&2
        return 1
      fi
    done
    OCUVANCE_STARTED_CUPSD=1
  fi

  local out uri
  if _printer_cups_pdf_confined; then
    # AppArmor lets cups-pdf read only its own settings file and write only
    # where that file says: take its output folder as it is.
    uri="cups-pdf:/"
    out=$(_printer_default_out) || return 1
    mkdir -p "$out" 2>/dev/null || true
    OCUVANCE_TEST_PDF_DIR_OURS=0
  else
    # An instance of cups-pdf of our own, so that the machine's cups-pdf
    # settings stay as they are.
    uri="cups-pdf:/${OCUVANCE_TEST_QUEUE}"
    out="${TMPDIR:-/tmp}/ocuvance-test-pdf"
    _printer_sudo rm -rf "$out"
    mkdir -p "$out" && chmod 1777 "$out"
    printf 'Out %s\nAnonDirName %s\nLabel 0\nTitlePref 0\n' "$out" "$out" |
      _printer_sudo tee "$(_printer_conf)" >/dev/null || return 1
    OCUVANCE_TEST_PDF_DIR_OURS=1
  fi

  local ppd
  ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ && /_opt/ {print $1; exit}')
  [ -z "$ppd" ] && ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  [ -z "$ppd" ] && ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  if ! _printer_sudo lpadmin -p "$OCUVANCE_TEST_QUEUE" -E -v "$uri" -m "$ppd" \
       -o printer-error-policy=abort-job -o pdftops-renderer-default=pdftocairo >/dev/null 2>&1; then
    echo "test printer: the queue $OCUVANCE_TEST_QUEUE could not be added; the real-printer test will skip" >&2
    _printer_sudo rm -f "$(_printer_conf)"
    return 1
  fi
  _printer_sudo cupsenable "$OCUVANCE_TEST_QUEUE" 2>/dev/null || true
  _printer_sudo cupsaccept "$OCUVANCE_TEST_QUEUE" 2>/dev/null || true
  OCUVANCE_TEST_PDF_DIR="$out"
  export OCUVANCE_TEST_PDF_DIR
  echo "test printer: queue $OCUVANCE_TEST_QUEUE writes into $out"
}

printer_down() {
  if _printer_scheduler_running && lpstat -p "$OCUVANCE_TEST_QUEUE" >/dev/null 2>&1; then
    _printer_sudo cancel -a "$OCUVANCE_TEST_QUEUE" 2>/dev/null || true
    _printer_sudo lpadmin -x "$OCUVANCE_TEST_QUEUE" || true
  fi
  _printer_sudo rm -f "$(_printer_conf)"
  if [ -n "${OCUVANCE_TEST_PDF_DIR:-}" ] && [ "${OCUVANCE_TEST_PDF_DIR_OURS:-0}" = 1 ]; then
    _printer_sudo rm -rf "$OCUVANCE_TEST_PDF_DIR"
  fi
  unset OCUVANCE_TEST_PDF_DIR OCUVANCE_TEST_PDF_DIR_OURS
  if [ "${OCUVANCE_STARTED_CUPSD:-0}" = 1 ]; then
    local pid
    pid=$(cat /run/cups/cupsd.pid 2>/dev/null || cat /var/run/cups/cupsd.pid 2>/dev/null || true)
    if [ -n "$pid" ]; then _printer_sudo kill "$pid" 2>/dev/null || true; fi
    unset OCUVANCE_STARTED_CUPSD
  fi
  return 0
}
