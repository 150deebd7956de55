# Shared part of the two MinGW-w64 toolchain files; TEZUN_TRIPLET names the target.
set(CMAKE_C_COMPILER ${TEZUN_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEZUN_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TEZUN_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${TEZUN_TRIPLET}-objdump)

# libjpeg-turbo is built for each target by scripts/install-deps.sh outside the system sysroot.
if(DEFINED ENV{TEZUN_DEPS_PREFIX})
  set(TEZUN_DEPS_PREFIX $ENV{TEZUN_DEPS_PREFIX})
else()
  set(TEZUN_DEPS_PREFIX /opt/tezun-deps)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${TEZUN_TRIPLET} ${TEZUN_DEPS_PREFIX}/${TEZUN_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
