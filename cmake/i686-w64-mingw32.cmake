# Cross-compiling the Windows program on Debian: the 32-bit program we ship.
set(BRIMBLET_MINGW_ARCH i686)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
