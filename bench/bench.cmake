# Benchmarks: built with the product, run by bench/run.sh, never part of the test command.
add_executable(brisvane_bench_temp ${PROJECT_SOURCE_DIR}/bench/TreeBench.cpp)
target_link_libraries(brisvane_bench_temp PRIVATE brisvane_app)
add_executable(brisvane_bench_cookies ${PROJECT_SOURCE_DIR}/bench/CookieBench.cpp)
target_link_libraries(brisvane_bench_cookies PRIVATE brisvane_app)
add_executable(brisvane_bench_cache ${PROJECT_SOURCE_DIR}/bench/CacheBench.cpp)
target_link_libraries(brisvane_bench_cache PRIVATE brisvane_app)
add_executable(brisvane_bench_browser_db ${PROJECT_SOURCE_DIR}/bench/BrowserDbBench.cpp)
target_link_libraries(brisvane_bench_browser_db PRIVATE brisvane_app)
