# Installs the build into STAGE and checks the layout of the installation.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/brimblet
          share/brimblet/brimb.bmp share/brimblet/counter.bmp share/brimblet/counter2.bmp
          share/brimblet/d1.bmp share/brimblet/d6.bmp
          share/applications/org.brimblet.Brimblet.desktop
          share/metainfo/org.brimblet.Brimblet.metainfo.xml
          share/icons/hicolor/32x32/apps/org.brimblet.Brimblet.png
          share/icons/hicolor/128x128/apps/org.brimblet.Brimblet.png
          share/man/man6/brimblet.6.gz share/doc/brimblet/copyright)
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
file(READ ${STAGE}/share/applications/org.brimblet.Brimblet.desktop entry)
if(NOT entry MATCHES "\nPath=/[^\n]*/share/brimblet\n" OR NOT entry MATCHES "\nExec=brimblet\n")
    message(FATAL_ERROR "the menu entry does not start the game in its picture folder:\n${entry}")
endif()
