# Cross-builds the program for any Debian architecture with Debian's cross compilers (crossbuild-essential-ARCH),
# against the architecture's own libraries installed beside the build machine's (multiarch); the tests run under
# qemu-user. TESTOLA_CROSS_TRIPLET names the target by its GNU triplet, as
# `dpkg-architecture -a ARCH -qDEB_HOST_GNU_TYPE` gives it: aarch64-linux-gnu, s390x-linux-gnu...
if(NOT TESTOLA_CROSS_TRIPLET AND DEFINED ENV{TESTOLA_CROSS_TRIPLET})
    set(TESTOLA_CROSS_TRIPLET $ENV{TESTOLA_CROSS_TRIPLET})
endif()
if(NOT TESTOLA_CROSS_TRIPLET MATCHES "^[a-z0-9_]+-linux-gnu[a-z0-9_]*$")
    message(FATAL_ERROR "TESTOLA_CROSS_TRIPLET is '${TESTOLA_CROSS_TRIPLET}', not a Debian GNU triplet; "
                        "give it as `dpkg-architecture -a ARCH -qDEB_HOST_GNU_TYPE` prints it")
endif()
# The compiler checks configure projects of their own, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESTOLA_CROSS_TRIPLET)

string(REGEX MATCH "^[^-]+" cpu ${TESTOLA_CROSS_TRIPLET})
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cpu})
set(CMAKE_C_COMPILER ${TESTOLA_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TESTOLA_CROSS_TRIPLET}-g++)
# Debian's multiarch folders: /usr/lib/TRIPLET for libraries and their CMake packages, the architecture's
# pkg-config (from pkgconf:ARCH) for the .pc files there.
set(CMAKE_LIBRARY_ARCHITECTURE ${TESTOLA_CROSS_TRIPLET})
set(PKG_CONFIG_EXECUTABLE ${TESTOLA_CROSS_TRIPLET}-pkg-config CACHE FILEPATH "The target's pkg-config")
# moc, rcc and uic are the build machine's, from its own Qt.
set(QT_HOST_PATH /usr CACHE PATH "Where the build machine's Qt tools are")

# qemu-user names its emulators by QEMU's name for the processor, which differs from GNU's for a few.
if(cpu MATCHES "^arm")
    set(qemu_cpu arm)
elseif(cpu MATCHES "^i[3-6]86$")
    set(qemu_cpu i386)
elseif(cpu MATCHES "^powerpc")
    string(REPLACE powerpc ppc qemu_cpu ${cpu})
else()
    set(qemu_cpu ${cpu})
endif()
find_program(TESTOLA_QEMU NAMES qemu-${qemu_cpu} qemu-${qemu_cpu}-static)
if(NOT TESTOLA_QEMU)
    set(TESTOLA_QEMU qemu-${qemu_cpu})
    message(WARNING "No qemu-${qemu_cpu} is installed (Debian's qemu-user): the tests cannot run")
endif()
# The tests load the target's own loader, C library and C++ runtime from the multiarch folders (libc6:ARCH,
# libstdc++6:ARCH), one release of each. The cross toolchain's copies (TESTOLA_QEMU_LD_PREFIX=/usr/TRIPLET, for qemu's
# -L) serve only where the archive cannot give those: their loader would load the multiarch C library where that
# is installed too, and a loader and a libc of two releases abort ("stack smashing detected").
set(TESTOLA_QEMU_LD_PREFIX "" CACHE PATH "Where qemu finds the target's loader and libraries first, if not in /")
if(TESTOLA_QEMU_LD_PREFIX)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESTOLA_QEMU} -L ${TESTOLA_QEMU_LD_PREFIX})
else()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESTOLA_QEMU})
endif()
