#!/usr/bin/env bash
# Builds the project three times (plain, AddressSanitizer + UndefinedBehaviorSanitizer,
# ThreadSanitizer) with warnings as errors and runs the whole test suite in each, fuzzes the GTP
# front-end for a bounded time, and compiles the programs as a packager would (Release, their
# warnings not errors). Fails when any build or test fails.
set -uo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
status=0
# Names of the failed tests, repeated at the very end so that a log's last lines say what failed.
failed_names=()
# Tests that failed once and passed when run again: not a failure of the run, but named at the
# end so that an intermittent fault is seen and hunted down, not hidden.
flaky_names=()

run_variant() {
    local name=$1 sanitizer=$2 bench=$3
    local dir="build/$name"
    # Sanitizer builds compile at -O1 with line tables only: quicker to build, same findings.
    local flags=()
    if [ "$sanitizer" != none ]; then
        flags=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1")
    fi
    echo "== $name build"
    cmake -S . -B "$dir" -G Ninja -DTALVEX_WERROR=ON -DTALVEX_SANITIZER="$sanitizer" \
        -DTALVEX_BUILD_BENCH="$bench" "${flags[@]}" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j "$jobs" || { failed_names+=("$name build"); return 1; }
    echo "== $name tests"
    local log="$dir/ctest.log"
    ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 180 --repeat until-pass:2 2>&1 |
        tee "$log"
    local result=${PIPESTATUS[0]}
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
    if [ -n "$summary" ]; then
        local total failures
        failures=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        failed=$((failed + failures))
        passed=$((passed + total - failures))
    fi
    local line
    while IFS= read -r line; do
        failed_names+=("$name: $line")
    done < <(sed -n '/^The following tests FAILED:/,/^Errors while running/p' "$log" |
        grep -E '^[[:space:]]+[0-9]+ - ' | sed -E 's/^[[:space:]]+//')
    local test_name failed_list
    failed_list=$(sed -n '/^The following tests FAILED:/,$p' "$log")
    while IFS= read -r test_name; do
        if [ -n "$test_name" ] && ! grep -qF -- " - $test_name (" <<<"$failed_list"; then
            flaky_names+=("$name: $test_name")
        fi
    done < <(grep -E 'Test +#[0-9]+: .*\*\*\*' "$log" |
        sed -E 's/.*Test +#[0-9]+: //; s/ *\.* *\*\*\*.*$//' | sort -u)
    return "$result"
}

# The GTP front-end's libFuzzer target (clang, ASan + UBSan): built alone and run for a bounded
# time on arbitrary command input. Counts as one test; a crash, a hang or a sanitizer report
# fails it, and the input that caused it is kept in build/fuzz/artifacts/.
run_fuzz() {
    local dir=build/fuzz
    echo "== fuzz build"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTALVEX_BUILD_FUZZ=ON \
        -DTALVEX_WERROR=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" \
        >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j "$jobs" --target gtp_fuzz || return 1
    echo "== fuzz run"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    local log="$dir/fuzz.log"
    "$dir/tests/gtp/fuzz/gtp_fuzz" "$dir/corpus" tests/gtp/fuzz/corpus \
        -dict=tests/gtp/fuzz/gtp.dict -max_total_time=30 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$dir/artifacts/" -print_final_stats=1 >"$log" 2>&1
    local result=$?
    if [ "$result" -ne 0 ] || grep -qE '^SUMMARY: |runtime error:' "$log"; then
        tail -n 60 "$log"
        echo "fuzz: FAILED (the input is in $dir/artifacts/)"
        return 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log"
    echo "fuzz: passed"
}

# A packager's first command: a Release build (-O3) with no options of ours, so no warnings as
# errors, and without the tests and benchmarks, whose libraries a packager need not have. Only
# the two programs are built: that they compile and link is what is checked.
run_release() {
    local dir=build/release
    echo "== release build"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j "$jobs" --target talvex-go talvex-gtp || return 1
    echo "release build: passed"
}

mkdir -p build
run_variant normal none ON || status=1
# Sanitizer builds skip the benchmarks: they measure nothing there, and the time is better spent.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_variant asan address OFF || status=1
TSAN_OPTIONS=halt_on_error=1 run_variant tsan thread OFF || status=1
for step in run_fuzz run_release; do
    if "$step"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failed_names+=("$step")
        status=1
    fi
done

echo "== all builds: $passed passed, $failed failed"
for line in "${flaky_names[@]}"; do
    echo "flaky, passed when run again: $line"
done
if [ "$status" -ne 0 ]; then
    for line in "${failed_names[@]}"; do
        echo "failed: $line"
    done
    echo "FAILED: a build or a test failed above" >&2
fi
echo "$passed passed, $failed failed"
exit "$status"
