# The pupil-data dialog and the report, the information and element-chart windows, and the
# platform layer under them.
list(APPEND TABELORA_WINDOW_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/aboutbox.cpp ${CMAKE_CURRENT_LIST_DIR}/aboutbox.h
    ${CMAKE_CURRENT_LIST_DIR}/datosbox.cpp ${CMAKE_CURRENT_LIST_DIR}/datosbox.h
    ${CMAKE_CURRENT_LIST_DIR}/elementos.cpp ${CMAKE_CURRENT_LIST_DIR}/elementos.h
    ${CMAKE_CURRENT_LIST_DIR}/platform.cpp ${CMAKE_CURRENT_LIST_DIR}/platform.h
    ${CMAKE_CURRENT_LIST_DIR}/pupildata.h
    ${CMAKE_CURRENT_LIST_DIR}/report.cpp ${CMAKE_CURRENT_LIST_DIR}/report.h
)
