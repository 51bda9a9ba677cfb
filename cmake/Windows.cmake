# The Windows build: the rules, the shared layer and the Windows front end, with their tests
# run under Wine (each test program through the build's wine-run.sh).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    message(FATAL_ERROR "The Windows build is made with mingw-w64's g++ (cmake/i686-w64-mingw32.cmake)")
endif()
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)

include(CTest)
# The program we ship is the 32-bit one. A 64-bit build of the same sources is what the tests
# run under 64-bit Wine on a machine that runs no 32-bit program: there, the checks of the
# release and of the shipped program read the 32-bit build in BRIMBLET_SHIPPED_BUILD, and what
# would have to run a 32-bit program is skipped, for BRIMBLET_NO_32_BIT_REASON.
set(BRIMBLET_SHIPPED_BUILD ${CMAKE_BINARY_DIR} CACHE PATH "The build folder of the 32-bit program we ship")
set(BRIMBLET_NO_32_BIT_REASON "" CACHE STRING "Why this build's tests run no 32-bit program, if they do not")
add_compile_options(-Wall -Wextra)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    if(BRIMBLET_NO_32_BIT_REASON STREQUAL "")
        set(BRIMBLET_NO_32_BIT_REASON "the tests run on the 64-bit build" CACHE STRING "" FORCE)
    endif()
endif()
if(CMAKE_CROSSCOMPILING)
    set(BRIMBLET_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    set(BRIMBLET_WINE_PATH "")
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        # Wine's own commands, made 64-bit, first on the tests' PATH.
        set(BRIMBLET_WINE_PATH ${CMAKE_BINARY_DIR}/wine64)
        file(MAKE_DIRECTORY ${BRIMBLET_WINE_PATH})
        foreach(command wine wine64 wineserver wineboot winepath msiexec)
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/tests/windows/wine64.sh ${BRIMBLET_WINE_PATH}/${command} SYMBOLIC)
        endforeach()
    endif()
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
