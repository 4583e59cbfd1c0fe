# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for each generator: the .deb packs the Debian layout below /usr, the
# archive the portable game folder.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL debian)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
  set(CPACK_COMPONENTS_ALL portable)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
