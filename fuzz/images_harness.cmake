# The picture reader's and the trace's fuzz harness as a library, shared by the libFuzzer target
# (fuzz/) and the corpus replay (tests/fuzz); whichever includes this first defines it.
include_guard(GLOBAL)
add_library(vesk_images_fuzz_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/images_harness.cpp)
target_include_directories(vesk_images_fuzz_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vesk_images_fuzz_harness PUBLIC vesk_trace)
vesk_warnings(vesk_images_fuzz_harness)
