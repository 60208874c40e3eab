# Cross-compiles Zorvel.exe for 64-bit Windows with mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
# The posix thread model gives GoogleTest its std::mutex; -static keeps it out of DLLs.
find_program(ZORVEL_MINGW_CXX NAMES ${triple}-g++-posix ${triple}-g++ REQUIRED)
find_program(ZORVEL_MINGW_CC NAMES ${triple}-gcc-posix ${triple}-gcc REQUIRED)
set(CMAKE_C_COMPILER ${ZORVEL_MINGW_CC})
set(CMAKE_CXX_COMPILER ${ZORVEL_MINGW_CXX})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests built here run under Wine on a private virtual display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
