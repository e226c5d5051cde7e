# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A cross build on Debian, for another architecture whose packages are installed beside this
# machine's own (multiarch: `dpkg --add-architecture`, then `crossbuild-essential-ARCH` and the
# libraries as `qt6-base-dev:ARCH`). Name the target by its GNU type, as dpkg-architecture does:
#
#   DEB_HOST_GNU_TYPE=aarch64-linux-gnu cmake --preset release --toolchain cmake/DebianCross.cmake
#
# (i686-linux-gnu for i386, s390x-linux-gnu for s390x.)
#
# Qt's code generators (moc, rcc, uic) are this machine's own, from qt6-base-dev-tools. What
# the build runs of its own programs (the icon maker, the test lists) and the tests themselves
# run under qemu's user-mode emulator, as qemu-user installs it (/usr/bin/qemu-CPU).
set(SKIRMORA_CROSS_TYPE "$ENV{DEB_HOST_GNU_TYPE}" CACHE STRING "GNU type of the target")
if(NOT SKIRMORA_CROSS_TYPE MATCHES "^([a-z0-9_]+)-linux-gnu$")
    message(FATAL_ERROR "set DEB_HOST_GNU_TYPE to the target's GNU type, e.g. aarch64-linux-gnu")
endif()
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${CMAKE_MATCH_1})
set(CMAKE_CXX_COMPILER ${SKIRMORA_CROSS_TYPE}-g++)
# Where the GNU type and Debian's names part: the 32-bit PC's type is i686-linux-gnu, while its
# libraries are under i386-linux-gnu and its emulator is qemu-i386.
set(skirmora_multiarch ${SKIRMORA_CROSS_TYPE})
set(skirmora_emulated ${CMAKE_SYSTEM_PROCESSOR})
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^i[3-6]86$")
    set(skirmora_multiarch i386-linux-gnu)
    set(skirmora_emulated i386)
endif()
set(CMAKE_LIBRARY_ARCHITECTURE ${skirmora_multiarch})
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${skirmora_emulated})
# pkg-config, this machine's, reads the target's package descriptions alone.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/${skirmora_multiarch}/pkgconfig:/usr/share/pkgconfig")
# Qt's configuration for the target finds its host tools through these.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${skirmora_multiarch}/cmake)
