# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder makes slots-tarnix_VERSION_ARCH.deb from what
# `cmake --install` places, with the Debian documents and manual pages lintian expects.
include(GNUInstallDirs)

set(TARNIX_DEB_NAME slots-tarnix)
set(TARNIX_PACKAGE_MAINTAINER "The slots_tarnix developers <slots-tarnix@tarnix.net>"
    CACHE STRING "Maintainer named in the Debian package")
set(deb_doc ${CMAKE_INSTALL_DATADIR}/doc/${TARNIX_DEB_NAME})
set(deb_out ${CMAKE_BINARY_DIR}/debian)

# The copyright file carries the cabinet font's licence whole, as Debian's format wants for a
# licence that /usr/share/common-licenses does not hold.
file(READ ${CMAKE_SOURCE_DIR}/assets/fonts/OFL.txt ofl)
string(REGEX REPLACE "\r?\n$" "" ofl "${ofl}")
string(REGEX REPLACE "\r?\n" "\n " ofl " ${ofl}")
string(REGEX REPLACE "\n +\n" "\n .\n" ofl "${ofl}")
string(REGEX REPLACE "\n +\n" "\n .\n" ofl "${ofl}")
set(TARNIX_OFL_TEXT "${ofl}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${deb_out}/copyright @ONLY)

# Debian wants its changelog and manual pages compressed at the highest level, without a
# time stamp, so that the package is the same on every build.
set(deb_gz ${deb_out}/changelog.gz)
set(man_pages slots_tarnix.6 tarnix-modewatch.6 tarnix-math.1)
set(man_gz)
foreach(page ${man_pages})
  list(APPEND man_gz ${deb_out}/${page}.gz)
  add_custom_command(OUTPUT ${deb_out}/${page}.gz
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/man/${page} > ${deb_out}/${page}.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/man/${page} VERBATIM)
endforeach()
add_custom_command(OUTPUT ${deb_gz}
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${deb_gz}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog VERBATIM)
add_custom_target(tarnix_debian_docs ALL DEPENDS ${deb_gz} ${man_gz})

install(FILES ${deb_out}/copyright ${deb_gz} DESTINATION ${deb_doc})
install(FILES ${deb_out}/slots_tarnix.6.gz ${deb_out}/tarnix-modewatch.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${deb_out}/tarnix-math.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TARNIX_DEB_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TARNIX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARNIX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the libraries the binaries link, with the versions they need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian/games_dir.cmake)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "five-reel, twenty-five-line club pokie
A video slot machine after the pokies of Australian clubs: line wins,
scatters, a wild lion that holds its reel for one more game, free spins with
a wild multiplier and a card gamble on colour or suit.
.
Only play credits are staked and won; no real money is ever involved. Six
player slots keep each player's credit and statistics between runs. The
package also holds tarnix-math, which works out the game's return to player
from its own rules.")
include(CPack)
