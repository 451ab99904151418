#!/usr/bin/env bash
# scripts/wine-run.sh with a stand-in for wine on PATH that follows a plan, one step a start: "ok" runs and says
# so with its arguments, "silent:N" ends with status N having written nothing, "says:N" ends with status N after
# writing a line. Each row gives the plan, the status wanted, how many starts, and what the output must match.
# Usage: check_wine_run.sh WINE_RUN_SH
set -euo pipefail
wine_run=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/wine" <<'STUB'
#!/usr/bin/env bash
echo start >>"$STUB_DIR/starts"
step=$(sed -n "$(grep -c . "$STUB_DIR/starts")p" "$STUB_DIR/plan")
case $step in
ok) echo "ran $*" ;;
silent:*) exit "${step#*:}" ;;
says:*) echo "the program failed" >&2 && exit "${step#*:}" ;;
esac
STUB
chmod +x "$work/bin/wine"

failures=0
row() {
    local name=$1 plan=$2 status=$3 starts=$4 pattern=$5 output actual=0 started
    true >"$work/starts"
    tr ' ' '\n' <<<"$plan" >"$work/plan"
    output=$(PATH="$work/bin:$PATH" STUB_DIR=$work "$wine_run" tests.exe --gtest_filter=A.b 2>&1) || actual=$?
    started=$(grep -c . "$work/starts" || true)
    if [ "$actual" -ne "$status" ] || [ "$started" -ne "$starts" ] || ! grep -qE "$pattern" <<<"$output"; then
        printf 'FAILED: %s: status %s (wanted %s), %s starts (wanted %s), output:\n%s\n' \
            "$name" "$actual" "$status" "$started" "$starts" "$output" >&2
        failures=$((failures + 1))
    fi
}

#   name                                  plan                  status starts output
row "a run as it is"                      "ok"                  0      1      '^ran tests\.exe --gtest_filter=A\.b$'
row "a silent failure started again"      "silent:5 ok"         0      2      '^ran tests\.exe'
row "a failure with words is the program's" "says:3 ok"         3      1      '^the program failed$'
row "failing silently twice fails"        "silent:5 silent:5"   5      2      'status 5 before writing anything'
exit "$failures"
