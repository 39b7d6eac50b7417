# Calendar files and style sheets: one source, one target per reader.
ql_fuzz_target(calendarfile_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/documents_fuzz.cpp)
ql_fuzz_target(stylesheet_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/documents_fuzz.cpp)
target_compile_definitions(stylesheet_fuzz PRIVATE QL_FUZZ_STYLE_SHEET)
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/calendarfile_fuzz.txt "${PROJECT_SOURCE_DIR}/calpanel/tests/data/documents\n")
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/stylesheet_fuzz.txt "${PROJECT_SOURCE_DIR}/calpanel/tests/data/documents\n")
