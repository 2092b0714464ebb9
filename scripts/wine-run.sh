#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix.
set -e
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
