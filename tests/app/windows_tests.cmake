# The pupil-data dialog, the report, the information and chart windows and the platform layer.
foreach(test tst_report tst_datosbox tst_aboutbox tst_elementos tst_platform)
    add_unit_test(${test} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp LIBS tabelora_app)
endforeach()
