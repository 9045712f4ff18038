# SPDX-License-Identifier: MIT
# The Debian packages, built by `cmake --build --preset release --target package` as
# build-release/quorvane-cli_<version>_<arch>.deb (the console program, no GUI
# library) and build-release/quorvane_<version>_<arch>.deb (the window, which depends
# on it), from exactly what `cmake --install` installs, a package per component.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli window)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "${QUORVANE_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${QUORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUORVANE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SOURCE quorvane)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from dpkg-shlibdeps: the console program's are libc's
# alone. On Debian 12 the X11 platform plugin ships in libqt6gui6, which the window's
# include; qt6-qpa-plugins holds only VNC and TUIO.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME quorvane-cli)
set(CPACK_DEBIAN_CLI_PACKAGE_SECTION net)
set(CPACK_COMPONENT_CLI_DESCRIPTION "classful IPv4 subnet and supernet calculator (command line)
quorvane works out classful IPv4 subnets and supernets on the command
line: given an address with a prefix length or a mask, in any text that
holds one, it prints the class, type, mask and wildcard, subnet and
broadcast addresses, host range and counts on one screen, or every
result with a list of up to 300 subnets, as text, HTML or JSON; and one
address a line from standard input. It needs no display and no GUI
library.
.
The window is in the package quorvane.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME quorvane)
set(CPACK_DEBIAN_WINDOW_PACKAGE_SECTION net)
# The window is designed around DejaVu Sans; `quorvane` itself is the console
# program, which starts the window.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS
    "quorvane-cli (= ${PROJECT_VERSION}), fonts-dejavu-core")
set(CPACK_COMPONENT_WINDOW_DESCRIPTION "classful IPv4 subnet and supernet calculator
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
