# Shared by both MinGW-w64 toolchain files; ZEMBRIK_MINGW_TRIPLE names the target.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks. Everything is
# linked statically, so the programs still depend on no MinGW DLL.
set(CMAKE_C_COMPILER ${ZEMBRIK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEMBRIK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEMBRIK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZEMBRIK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every Windows executable that ctest starts runs under Wine, in a prefix of this build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run --prefix
                                  ${CMAKE_BINARY_DIR}/wineprefix)
