# The icon-file reader. The shipped libraries are read from the program
# folder, so they are copied there before the test runs.
ql_calpanel_test(calpanel_iconfile_test iconfile_test.cpp)
target_compile_definitions(calpanel_iconfile_test PRIVATE
  QL_ICON_ERRORS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/errors/icons")
add_dependencies(calpanel_iconfile_test ql_icon_libraries)
