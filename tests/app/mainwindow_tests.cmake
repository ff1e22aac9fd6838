add_unit_test(tst_layout SOURCES tst_layout.cpp LIBS tabelora_app)
add_unit_test(tst_gauge SOURCES tst_gauge.cpp LIBS tabelora_app)
add_unit_test(tst_mainwindow SOURCES tst_mainwindow.cpp LIBS tabelora_app)
add_unit_test(tst_stripreload SOURCES tst_stripreload.cpp LIBS tabelora_app)
