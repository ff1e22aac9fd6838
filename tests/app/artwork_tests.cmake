# Tests of the built-in pictures and of loading and cutting the tile strip.
add_unit_test(tst_artwork
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_artwork.cpp
    LIBS tabelora_assets Qt6::Gui)
add_unit_test(tst_striploader
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_striploader.cpp
            ${PROJECT_SOURCE_DIR}/app/striploader.cpp ${PROJECT_SOURCE_DIR}/app/striploader.h
    LIBS tabelora_assets Qt6::Gui)
