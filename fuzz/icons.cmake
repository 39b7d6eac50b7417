# The icon-file reader: any bytes as an .ico, NE or PE file.
ql_fuzz_target(iconfile_fuzz ${CMAKE_CURRENT_LIST_DIR}/iconfile_fuzz.cpp)
