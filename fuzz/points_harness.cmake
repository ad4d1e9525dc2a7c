# The point readers' fuzz harness as a library, shared by the libFuzzer target (fuzz/) and the
# corpus replay (tests/fuzz); whichever includes this first defines it.
include_guard(GLOBAL)
add_library(vesk_points_fuzz_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/points_harness.cpp)
target_include_directories(vesk_points_fuzz_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vesk_points_fuzz_harness PUBLIC vesk_match vesk_dxf)
vesk_warnings(vesk_points_fuzz_harness)
