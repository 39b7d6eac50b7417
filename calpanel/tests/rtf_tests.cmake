# Cell storage and RTF reader/writer suites. Fixtures: data/rtf holds files
# as other word processors write them, errors/rtf damaged files (among them
# every input the fuzzer ever crashed on) that must read without crashing.
ql_calpanel_test(calpanel_rtf_test rtf_test.cpp rtftestutil.h)
target_compile_definitions(calpanel_rtf_test PRIVATE
  QL_RTF_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data/rtf"
  QL_RTF_ERRORS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/errors/rtf")

ql_calpanel_test(calpanel_cellstorage_test cellstorage_test.cpp rtftestutil.h)
# The painting tests once more on a 144-dpi screen: cell text must come out
# the same size whatever the screen says.
gtest_discover_tests(calpanel_cellstorage_test DISCOVERY_MODE PRE_TEST
  TEST_FILTER "CellStorage.Paint*"
  TEST_SUFFIX ".screen144dpi"
  PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf/screen144dpi.json")
