# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the menu entry for the prefix being installed into and installs it.
configure_file(${VOCABRIX_DESKTOP_IN} ${VOCABRIX_DESKTOP_OUT} @ONLY)
file(INSTALL ${VOCABRIX_DESKTOP_OUT} DESTINATION ${VOCABRIX_DESKTOP_DIR})
