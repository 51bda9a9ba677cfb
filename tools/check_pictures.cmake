# Draws the pictures afresh into OUT and compares them byte for byte with the committed ones.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/assets ${OUT}/icons)
execute_process(COMMAND ${TOOL} ${OUT}/assets ${OUT}/icons RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make_pictures failed: ${result}")
endif()
foreach(name brimb counter counter2 d1 d2 d3 d4 d5 d6)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/assets/${name}.bmp
                            ${SOURCE}/assets/${name}.bmp RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "assets/${name}.bmp differs from what make_pictures draws; "
                            "run: cmake --build build --target pictures")
    endif()
endforeach()
foreach(name brimblet.png brimblet-128.png brimblet.ico brimblet-192.png brimblet-512.png
             brimblet-maskable-512.png apple-touch-icon.png)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/icons/${name}
                            ${SOURCE}/assets/icons/${name} RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "assets/icons/${name} differs from what make_pictures draws")
    endif()
endforeach()
