# Cross-compiling Qt 6 (scripts/windows-qt.sh) and the whole program against
# it (scripts/windows-build.sh) for 64-bit Windows with MinGW-w64. Unlike the
# Qt-free check, programs link the MinGW runtime as DLLs: Qt's DLLs need them
# anyway, and one C++ runtime in the process is what Qt expects.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
