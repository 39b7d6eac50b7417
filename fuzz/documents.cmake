# Calendar files and style sheets.
ql_fuzz_target(calendarfile_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/calendarfile_fuzz.cpp)
ql_fuzz_target(stylesheet_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/stylesheet_fuzz.cpp)
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/calendarfile_fuzz.txt "${PROJECT_SOURCE_DIR}/calpanel/tests/data/documents\n")
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/stylesheet_fuzz.txt "${PROJECT_SOURCE_DIR}/calpanel/tests/data/documents\n")
