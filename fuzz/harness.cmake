# The fuzz harness as a library, shared by the libFuzzer target (fuzz/) and the corpus replay and
# damage tests (tests/); whichever includes this first defines it.
include_guard(GLOBAL)
add_library(vesk_fuzz_harness STATIC
  ${CMAKE_CURRENT_LIST_DIR}/design_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_harness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_paint.cpp)
target_include_directories(vesk_fuzz_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vesk_fuzz_harness PUBLIC vesk_document vesk_view vesk_geometry)
vesk_warnings(vesk_fuzz_harness)
