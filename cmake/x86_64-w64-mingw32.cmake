# The same sources for 64-bit Windows: what the Windows tests run under 64-bit Wine on a machine
# that runs no 32-bit program (scripts/test-windows.sh).
set(BRIMBLET_MINGW_ARCH x86_64)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
