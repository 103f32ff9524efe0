# `cpack -G DEB` in the build folder makes coilwend_<version>_<arch>.deb from
# the install rules (packaging/CMakeLists.txt), installed under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME coilwend)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Coilwend project")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# No one person answers for the package; the project does.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Coilwend project")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "puzzle game about snakes on small 3D boards
Steer one end of a snake at a time, one cell per move, eat what makes you
grow or shrink, cover every target cell and lead a snake out through the
exit. Ninety-four puzzles wait on a map that opens up as you solve them.
Every move can be undone and every level reset, and a hint points toward the
next move of a shortest solution.
.
It plays with the keyboard, the mouse or a game controller and needs OpenGL
3.1 or later (Mesa's software renderer will do).")
if(COILWEND_WEB_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${COILWEND_WEB_URL})
endif()

# dpkg-shlibdeps finds the libraries the binary links (SDL2, SDL2_mixer,
# libpng, the C++ runtime). SDL opens libGL itself at run time, so no linked
# library names it: the OpenGL driver is listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1")

include(CPack)
