# The RTF reader of the cell storage, fed whole documents. Seeds: the RTF
# test fixtures (scripts/fuzz.sh reads the list written here).
ql_fuzz_target(rtf_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/rtf_fuzz.cpp)
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/rtf_fuzz.txt
  "${PROJECT_SOURCE_DIR}/calpanel/tests/data/rtf\n${PROJECT_SOURCE_DIR}/calpanel/tests/errors/rtf\n")
