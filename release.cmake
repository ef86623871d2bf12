# SPDX-License-Identifier: GPL-3.0-or-later
# The release: its version and date, the one place they are written. The program's --version, the
# Debian package and its change log, the manual page and the AppStream description take them from
# here; the top-level CMakeLists.txt reads this file before project().
set(AEROBALANCE_RELEASE_VERSION 3.4)
set(AEROBALANCE_RELEASE_DATE 2026-12-07) # YYYY-MM-DD
