# Calendar files and style sheets.
ql_fuzz_target(calendarfile_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/calendarfile_fuzz.cpp)
ql_fuzz_target(stylesheet_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/stylesheet_fuzz.cpp)
