# The browser build, made with Debian's emscripten (emcmake cmake): the rules, the shared layer
# and the web front end, and the rules' and shared layer's tests run under Node.js.
# Node 20 would fetch a test's .wasm by its file path, and fail; it reads it from disk
# without the experimental fetch. (Emscripten's own choice asks for threads, which Node 20
# no longer takes as a flag.)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch CACHE STRING
    "How the tests' wasm programs run" FORCE)
# Small before fast: the page's download is the budget that matters.
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG" CACHE STRING "" FORCE)
# Errors are exceptions: the pictures' checks throw, the event boundary catches.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)

include(CTest)
add_subdirectory(src/game)
add_subdirectory(src/shared)
add_subdirectory(src/web)

if(BUILD_TESTING)
    # A wasm program has no threads.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    include(cmake/GoogleTestFromSources.cmake)
    add_subdirectory(tests/game)
    add_subdirectory(tests/shared)
    add_subdirectory(tests/pictures)
    add_subdirectory(tests/web)
endif()
