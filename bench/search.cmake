# Search and replace on a 20 MB program in the editor box; prints its figures.
add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(search_bench PRIVATE zel_ui)
