# Cross-build for Linux on another processor with Debian's cross compilers and run the results
# under qemu-user. CROSS_TRIPLE names the target as the compilers do: s390x-linux-gnu (64-bit,
# big-endian), i686-linux-gnu (32-bit) or aarch64-linux-gnu.
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${CROSS_TRIPLE}")
set(CMAKE_C_COMPILER ${CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# qemu names the 32-bit x86 emulator after i386; -L points it at the target's C library.
string(REPLACE "i686" "i386" qemu_processor "${CMAKE_SYSTEM_PROCESSOR}")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu_processor} -L /usr/${CROSS_TRIPLE})
# The checks CMake compiles read this file again and need the triple too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CROSS_TRIPLE)
