# Included from tests/host/CMakeLists.txt.
add_executable(printersim_tests
  ${CMAKE_CURRENT_LIST_DIR}/printersim_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printersim_fiscal_test.cpp)
target_link_libraries(printersim_tests PRIVATE printersim_core GTest::gtest_main)
gtest_discover_tests(printersim_tests DISCOVERY_TIMEOUT 30)
