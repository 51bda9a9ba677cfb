# The Windows build: the rules, the shared layer and the Windows front end, with their tests
# run under Wine (each test program through the build's wine-run.sh).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    message(FATAL_ERROR "The Windows build is made with mingw-w64's g++ (cmake/i686-w64-mingw32.cmake)")
endif()
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)

include(CTest)
if(CMAKE_CROSSCOMPILING)
    set(BRIMBLET_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    configure_file(${PROJECT_SOURCE_DIR}/tests/windows/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                         WORLD_READ WORLD_EXECUTE @ONLY)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

add_subdirectory(src/game)
add_subdirectory(src/shared)
add_subdirectory(src/windows)
include(cmake/WindowsRelease.cmake)

# The benchmarks' floor for this build (bench/run.sh): an empty Win32 window of the game's size;
# and what keeps the prefix's desktop up while they run.
foreach(bench_program win32_floor win32_desktop)
    add_executable(${bench_program} WIN32 bench/${bench_program}.cpp)
    target_link_options(${bench_program} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endforeach()

if(BUILD_TESTING)
    include(cmake/GoogleTestFromSources.cmake)
    add_subdirectory(tests/game)
    add_subdirectory(tests/shared)
    add_subdirectory(tests/windows)
    add_subdirectory(tests/pictures)
endif()
