# Installs the build into a staging folder and checks the files a desktop needs, and the
# copyright file that gives the terms of every font in assets/fonts/.
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
        share/icons/hicolor/256x256/apps/org.tabelora.Tabelora.png
        share/doc/tabelora/copyright)
    if(NOT EXISTS ${STAGE}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
file(STRINGS ${STAGE}/share/applications/org.tabelora.Tabelora.desktop exec REGEX "^Exec=")
# The program, then the action for a whiteboard.
if(NOT exec STREQUAL "Exec=tabelora;Exec=tabelora --proyector")
    message(FATAL_ERROR "the desktop entry starts '${exec}', not the installed program")
endif()

# Debian's machine-readable format: every font named in a Files field, and every License field
# followed by its text, here or in a paragraph of its own.
file(READ ${STAGE}/share/doc/tabelora/copyright copyright)
string(FIND "${copyright}" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n" at)
if(NOT at EQUAL 0)
    message(FATAL_ERROR "the copyright file does not start with the format 1.0 header")
endif()
string(REGEX MATCHALL "\nFiles:[^\n]*(\n [^\n]*)*" files_fields "${copyright}")
string(REGEX MATCHALL "\nCopyright:" copyright_fields "${copyright}")
list(LENGTH files_fields paragraphs)
list(LENGTH copyright_fields holders)
if(paragraphs LESS 2 OR NOT paragraphs EQUAL holders)
    message(FATAL_ERROR "${paragraphs} Files paragraphs for ${holders} Copyright fields")
endif()
file(GLOB fonts RELATIVE ${SOURCE_DIR}/assets/fonts ${SOURCE_DIR}/assets/fonts/*.ttf ${SOURCE_DIR}/assets/fonts/*.otf)
if(NOT fonts)
    message(FATAL_ERROR "no fonts found in ${SOURCE_DIR}/assets/fonts")
endif()
foreach(font IN LISTS fonts)
    string(REPLACE "." "\\." pattern "assets/fonts/${font}")
    string(REGEX MATCH "[ \n]${pattern}(\n|;|$)" named "${files_fields}")
    if(NOT named)
        message(FATAL_ERROR "the copyright file names no terms for assets/fonts/${font}")
    endif()
endforeach()
string(REGEX MATCHALL "\nLicense: [^\n]+\n?.?" licence_fields "${copyright}")
foreach(field IN LISTS licence_fields)
    if(NOT field MATCHES "\n $")
        string(REGEX MATCH "License: [^\n]+" name "${field}")
        string(FIND "${copyright}" "\n\n${name}\n " text_at)
        if(text_at EQUAL -1)
            message(FATAL_ERROR "the copyright file has no text for '${name}'")
        endif()
    endif()
endforeach()
message(STATUS "install layout is complete")
