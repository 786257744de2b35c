#!/bin/sh
# Runs the base-reader fuzzer for FUZZ_SECONDS (default 60) seconds.
# usage: run-fuzz.sh FUZZER WORK_CORPUS SEED_CORPUS ARTIFACTS
set -e
fuzzer=$1 work=$2 seeds=$3 artifacts=$4
mkdir -p "$work" "$artifacts"
exec "$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work" "$seeds"
