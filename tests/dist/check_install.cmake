# Installs the build into a staging folder and checks the files a desktop needs.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
        bin/tabelora
        share/applications/org.tabelora.Tabelora.desktop
        share/metainfo/org.tabelora.Tabelora.metainfo.xml
        share/icons/hicolor/32x32/apps/org.tabelora.Tabelora.png
        share/icons/hicolor/256x256/apps/org.tabelora.Tabelora.png)
    if(NOT EXISTS ${STAGE}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
file(STRINGS ${STAGE}/share/applications/org.tabelora.Tabelora.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=tabelora")
    message(FATAL_ERROR "the desktop entry starts '${exec}', not the installed program")
endif()
message(STATUS "install layout is complete")
