# Shared by the shell test scripts; sourced, not run.
#
# checks.sh NAME: a scratch folder "$scratch" (its name has a space, so every
# path in the script must be quoted to pass), removed on exit, and check(),
# which counts a failed check and goes on, so one run names every fault.
# finish_checks ends the script with the count.

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vistrel $1.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0

check() { # check DESCRIPTION COMMAND...
  if ! "${@:2}"; then echo "FAIL: $1" >&2; failures=$((failures + 1)); fi
}

finish_checks() { # finish_checks WHAT
  [ $failures -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
  echo "all $1 checks passed"
}
