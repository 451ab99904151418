# What both MinGW-w64 toolchain files share; TESTOLA_MINGW_TRIPLET names the target.
# The posix flavour of the compiler gives std::thread and friends through winpthread.
set(CMAKE_C_COMPILER ${TESTOLA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESTOLA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TESTOLA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESTOLA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# CTest and test discovery start each Windows program through Wine, by a script that starts once more a program
# that Wine ended before it could write a word.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
# The resource scripts are UTF-8, as every other source is.
set(CMAKE_RC_FLAGS_INIT "--codepage=65001")
