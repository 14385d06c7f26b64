# Shared part of the two cross toolchains; BRIXEL_MINGW_TRIPLE is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${BRIXEL_MINGW_TRIPLE}-gcc-posix)
# The -posix compilers: the win32 thread model has no std::mutex, which GoogleTest needs.
set(CMAKE_CXX_COMPILER ${BRIXEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRIXEL_MINGW_TRIPLE}-windres)
set(BRIXEL_WIDL ${BRIXEL_MINGW_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${BRIXEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The control must load on a bare Windows: no libgcc, libstdc++ or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Test executables run through Wine, inside the build tree's private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh --bits=${BRIXEL_WINE_BITS})
