# The window at twice the pixel density. A program of its own: the scale factor must be set before the
# application exists, so it cannot share the window tests' application.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

add_executable(testola_high_dpi_tests ${CMAKE_CURRENT_LIST_DIR}/high_dpi_test.cpp)
target_link_libraries(testola_high_dpi_tests PRIVATE testola_window testola_test_support Qt6::Test GTest::gtest
                                                     testola_warnings)
gtest_discover_tests(testola_high_dpi_tests DISCOVERY_TIMEOUT 30)
