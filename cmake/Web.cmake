# The browser build, made with Debian's emscripten (emcmake cmake): the rules, the shared layer
# and the web front end, and the rules' and shared layer's tests run under Node.js.
# Node 20 would fetch a test's .wasm by its file path, and fail; it reads it from disk
# without the experimental fetch. (Emscripten's own choice asks for threads, which Node 20
# no longer takes as a flag.)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch CACHE STRING
    "How the tests' wasm programs run" FORCE)
# Fast as well as small: the code compiled at -O2, its small functions inlined, then the
# module shrunk and the script minified at -Oz when linked. Against -Oz throughout, 1.8 KB more
# of the compressed module, and a third less work before the window shows (on a phone's slower
# CPU, about 150 ms of 490: most of it the pictures' decoding, its vectors filled a byte a call).
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "" FORCE)
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-Oz" CACHE STRING "" FORCE)
# Errors are exceptions: the pictures' checks throw, the event boundary catches. WebAssembly's
# own exceptions, not emscripten's JavaScript ones: no call that may throw goes out through a
# JavaScript trampoline, and the module and script are 25 KB and 10 KB smaller. The loader
# tells a browser too old for them.
add_compile_options(-fwasm-exceptions)
# No run-time type information: 10 KB less of the module, most of it the names of the types of
# std::function's targets. Embind is told to name no types; an error is told apart by catching
# it (ErrorTexts.cpp).
add_compile_options(-fno-rtti -DEMSCRIPTEN_HAS_UNBOUND_TYPE_NAMES=0)
add_link_options(-fno-rtti)  # and embind's own library built the same way
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)

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
