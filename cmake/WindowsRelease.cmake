# The Windows release, made by CPack on Linux: a zip that runs where it is unpacked and an
# NSIS installer, both holding brimblet.exe, its nine pictures beside it (it reads them from
# the folder it starts in), the licence and a short read-me with Windows line ends.
# scripts/package-windows.sh makes both.

# Text files for Windows readers: CRLF line ends.
foreach(text LICENSE data/windows/README.txt)
    get_filename_component(name ${text} NAME_WE)
    file(READ ${PROJECT_SOURCE_DIR}/${text} content)
    string(REPLACE "\r\n" "\n" content "${content}")
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${CMAKE_BINARY_DIR}/release/${name}.txt "${content}")
    install(FILES ${CMAKE_BINARY_DIR}/release/${name}.txt DESTINATION .)
endforeach()
install(TARGETS brimblet RUNTIME DESTINATION .)
foreach(picture brimb counter counter2 d1 d2 d3 d4 d5 d6)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/${picture}.bmp DESTINATION .)
endforeach()

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME brimblet)
set(CPACK_PACKAGE_VENDOR "The Brimblet developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A race of two counters over ladders and strings")
set(CPACK_PACKAGE_FILE_NAME "brimblet-${PROJECT_VERSION}-win32")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/release/LICENSE.txt)

# The installer is made from a template of ours (cmake/installer/NSIS.template.in): for one
# user with no administrator, or for everyone on the PC, as the player chooses. Either way one
# Start-menu shortcut starts the game in its folder, where its pictures are, and the list of
# installed programs gets an uninstaller.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/installer)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brimblet)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brimblet)
set(CPACK_NSIS_PACKAGE_NAME Brimblet)
set(CPACK_NSIS_DISPLAY_NAME Brimblet)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icons/brimblet.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/icons/brimblet.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "https://brimblet.org/")
include(CPack)
