# Shared part of the MinGW-w64 toolchain files. Test executables run through
# scripts/wine-run.sh, which gives them the build's private Wine prefix and display.
set(CMAKE_C_COMPILER   ${VERBS_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VERBS_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${VERBS_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VERBS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
