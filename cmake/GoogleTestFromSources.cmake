# GoogleTest from Debian's sources (package googletest), built with the cross compiler of a
# build whose target cannot link Debian's host-built library: Windows and WebAssembly.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)
