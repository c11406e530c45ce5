#!/usr/bin/env bash
# Runs the full-disk tests (DiskFull.*) of tav_fault_tests against a small
# file system of their own: a 256 KB tmpfs mounted at WORK_DIR, which the
# tests fill up. Mounting needs root; where it is refused, the tests run
# under a file-size limit instead (ulimit -f), past which writes fail
# part-way as they do on a full disk.
#
#   full_disk.sh WINE_RUN TEST_EXE WORK_DIR
set -euo pipefail
wine_run=$1 test_exe=$2 work=$3

mkdir -p "$work"
if mountpoint -q "$work"; then umount "$work"; fi
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

if mount -t tmpfs -o size=256k tav-full-disk "$work" 2>/dev/null; then
  trap 'umount "$work"' EXIT
  TAV_FULL_DISK_MODE=tmpfs TAV_FULL_DISK_DIR=$(windows_path "$work") \
    "$wine_run" "$test_exe" --gtest_filter='DiskFull.*'
else
  echo "No file system can be mounted here: a file-size limit stands in for the full disk."
  blocks=64  # of 1024 bytes
  (
    ulimit -f "$blocks"
    trap '' XFSZ  # a write past the limit then fails instead of ending the process
    TAV_FULL_DISK_MODE=limit TAV_FILE_SIZE_LIMIT=$((blocks * 1024)) TAV_FULL_DISK_DIR=$(windows_path "$work") \
      exec "$wine_run" "$test_exe" --gtest_filter='DiskFull.*'
  )
fi
