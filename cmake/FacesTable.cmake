# The faces table, src/shared/faces.txt: which face each language is drawn in, and where each
# free face is. Read by the Debian package's recommendations and by the page's fonts.
set(BRIMBLET_FACES_TABLE ${PROJECT_SOURCE_DIR}/src/shared/faces.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BRIMBLET_FACES_TABLE})

# brimblet_faces_row(ROW NAME...): the row's cells, trimmed (a face row's "@" too), into the
# variables named, in order.
function(brimblet_faces_row row)
    string(REGEX MATCHALL "[^|]+" cells "${row}")
    foreach(name ${ARGN})
        list(POP_FRONT cells cell)
        string(REGEX REPLACE "^@" "" cell "${cell}")
        string(STRIP "${cell}" cell)
        set(${name} "${cell}" PARENT_SCOPE)
    endforeach()
endfunction()
