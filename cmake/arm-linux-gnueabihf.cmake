# Cross-compiles for 32-bit ARM hard-float Linux, the device target.
# Test binaries run through qemu-arm, since the build host has no binfmt
# handler for ARM executables.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# The cross toolchain's own sysroot, then the host's multiarch directories,
# where Debian installs armhf libraries such as libicu-dev:armhf.
set(CMAKE_FIND_ROOT_PATH /usr/arm-linux-gnueabihf /)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L /usr/arm-linux-gnueabihf)

# Threads started by a dynamically linked program crash under qemu-arm, so
# target programs are linked statically; on the device the engine is linked
# however its application chooses.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The platform module resets the library suffixes after this file, so the
# static ICU and OpenSSL archives that the tools link are named here.
set(ICU_UC_LIBRARY_RELEASE /usr/lib/arm-linux-gnueabihf/libicuuc.a
    CACHE FILEPATH "ICU common library, static")
set(ICU_I18N_LIBRARY_RELEASE /usr/lib/arm-linux-gnueabihf/libicui18n.a
    CACHE FILEPATH "ICU internationalisation library, static")
set(ICU_DATA_LIBRARY_RELEASE /usr/lib/arm-linux-gnueabihf/libicudata.a
    CACHE FILEPATH "ICU data library, static")
set(OPENSSL_CRYPTO_LIBRARY /usr/lib/arm-linux-gnueabihf/libcrypto.a
    CACHE FILEPATH "OpenSSL crypto library, static")

# GCC notes every std::initializer_list<long long> argument on ARM because
# its passing changed in GCC 7.1; all our code is built by one compiler.
set(CMAKE_CXX_FLAGS_INIT "-Wno-psabi")
