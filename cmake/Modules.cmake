# kv_module(NAME DEPS...) builds every .cpp of the calling folder into the
# static library kv_NAME, linked to the given libraries.
function(kv_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(kv_${name} STATIC ${sources})
  target_include_directories(kv_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(kv_${name} PUBLIC ${ARGN})
endfunction()

# kv_test_suite(NAME DEPS...) builds every .cpp of the calling folder into the
# test program test_NAME and registers its cases with CTest.
function(kv_test_suite name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${ARGN} GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE KV_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
