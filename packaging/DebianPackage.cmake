# SPDX-License-Identifier: MIT
# The Debian package, built by `cmake --build --preset release --target package`
# as build-release/quorvane_<version>_<arch>.deb from exactly what `cmake --install`
# installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "${QUORVANE_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${QUORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUORVANE_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from dpkg-shlibdeps. On Debian 12 the X11 platform
# plugin ships in libqt6gui6, which they include; qt6-qpa-plugins holds only VNC
# and TUIO. The window is designed around DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "classful IPv4 subnet and supernet calculator
Quorvane works out classful IPv4 subnets and supernets in one window
without command buttons: type an address into four octet boxes, choose
Subnet or Supernet and pick a mask, and every keystroke shows the class,
the binary views, the subnet and broadcast addresses, the host and subnet
counts, the host efficiency and a list of up to 300 subnets with their
host ranges. A pasted address with a prefix length or a mask fills the
boxes and picks the mask; one keystroke copies every result.
.
It reads and writes no files, keeps no settings and uses no network.")

include(CPack)
