# The copyright file of the Debian package, in Debian's machine-readable format 1.0: a
# paragraph for the program's own files, then one for each licence in assets/fonts/. A licence
# file LICENSE-<Family>.txt covers the fonts whose names start with <Family>; its terms are its
# "Files: *" paragraph, now naming those fonts. A font that no licence covers, or a licence
# that covers no font, stops the configuration: the package never ships a font without terms.
function(tabelora_write_copyright output)
    set(fonts_dir ${PROJECT_SOURCE_DIR}/assets/fonts)
    file(GLOB licences RELATIVE ${fonts_dir} CONFIGURE_DEPENDS ${fonts_dir}/LICENSE-*.txt)
    file(GLOB fonts RELATIVE ${fonts_dir} CONFIGURE_DEPENDS ${fonts_dir}/*.ttf ${fonts_dir}/*.otf)
    list(SORT licences)
    list(SORT fonts)
    set(uncovered ${fonts})

    string(CONCAT text
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "Upstream-Name: Tabelora\n"
        "Upstream-Contact: The Tabelora developers <tabelora@tabelora.org>\n"
        "\n"
        "Files: *\n"
        "Copyright: 2026 The Tabelora developers\n"
        "License: other\n"
        " The Tabelora developers have not yet published a licence for the program's own\n"
        " files; ask them at the address above before redistributing or changing them.\n")

    foreach(licence IN LISTS licences)
        string(REGEX REPLACE "^LICENSE-(.+)\\.txt$" "\\1" family "${licence}")
        set(covered)
        foreach(font IN LISTS fonts)
            string(FIND "${font}" "${family}" at)
            if(at EQUAL 0)
                list(APPEND covered "assets/fonts/${font}")
                list(REMOVE_ITEM uncovered "${font}")
            endif()
        endforeach()
        if(NOT covered)
            message(FATAL_ERROR "assets/fonts/${licence} covers no font file")
        endif()

        file(READ ${fonts_dir}/${licence} source)
        string(REGEX REPLACE "[ \t]+\n" "\n" source "${source}")
        string(FIND "${source}" "\nFiles: *\n" start)
        if(start EQUAL -1)
            message(FATAL_ERROR "assets/fonts/${licence} has no \"Files: *\" paragraph")
        endif()
        math(EXPR start "${start} + 10")
        string(SUBSTRING "${source}" ${start} -1 terms)
        string(FIND "${terms}" "\n\n" end)
        if(NOT end EQUAL -1)
            string(SUBSTRING "${terms}" 0 ${end} terms)
        endif()
        string(STRIP "${terms}" terms)
        list(JOIN covered "\n " files)
        string(APPEND text "\nFiles: ${files}\n${terms}\n")
    endforeach()

    if(uncovered)
        message(FATAL_ERROR "no licence in assets/fonts/ covers: ${uncovered}")
    endif()
    file(WRITE ${output}.new "${text}")
    file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
    file(REMOVE ${output}.new)
endfunction()
