# Installs the build into STAGE and checks the layout of the installation, which follows the
# Debian games layout. PREFIX is the prefix the build was configured for.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f games/brimblet lib/games/brimblet/brimblet
          share/games/brimblet/brimb.bmp share/games/brimblet/counter.bmp
          share/games/brimblet/counter2.bmp share/games/brimblet/d1.bmp share/games/brimblet/d6.bmp
          share/applications/org.brimblet.Brimblet.desktop
          share/metainfo/org.brimblet.Brimblet.metainfo.xml
          share/icons/hicolor/32x32/apps/org.brimblet.Brimblet.png
          share/icons/hicolor/128x128/apps/org.brimblet.Brimblet.png
          share/man/man6/brimblet.6.gz share/doc/brimblet/copyright)
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
foreach(stray bin share/brimblet)
    if(EXISTS ${STAGE}/${stray})
        message(FATAL_ERROR "installed outside the games layout: ${stray}")
    endif()
endforeach()
# The command puts the program in its pictures' folder and starts it there.
file(READ ${STAGE}/games/brimblet command)
if(NOT command MATCHES "\ncd ${PREFIX}/share/games/brimblet && exec ${PREFIX}/lib/games/brimblet/brimblet\n")
    message(FATAL_ERROR "the command does not start the game in its pictures' folder:\n${command}")
endif()
file(READ ${STAGE}/share/applications/org.brimblet.Brimblet.desktop entry)
if(NOT entry MATCHES "\nExec=${PREFIX}/games/brimblet\n")
    message(FATAL_ERROR "the menu entry does not start the game's command:\n${entry}")
endif()
