# Cross-build for 64-bit Windows with Debian's MinGW-w64 (the -posix variant, which has std::thread
# and std::mutex). Everything is linked statically, so the executables need no MinGW runtime DLLs.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUOLSA_WX_PREFIX=<wx install prefix> ...
# The test executables run under Wine, through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUOLSA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUOLSA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUOLSA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUOLSA_MINGW}-windres)

# The static wxWidgets for MinGW, built by scripts/windows-setup.sh.
set(QUOLSA_WX_PREFIX "$ENV{QUOLSA_WX_PREFIX}" CACHE PATH "Installation prefix of wxWidgets for MinGW")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUOLSA_WX_PREFIX)
if(QUOLSA_WX_PREFIX)
  set(wxWidgets_CONFIG_EXECUTABLE "${QUOLSA_WX_PREFIX}/bin/wx-config" CACHE FILEPATH "" FORCE)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${QUOLSA_MINGW} ${QUOLSA_WX_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
