#!/bin/sh
# The web tests' node modules, as locked: playwright-core alone, which drives
# Debian's Chromium and downloads no browser.
exec npm ci --prefix "$(dirname "$0")" --no-audit --no-fund
