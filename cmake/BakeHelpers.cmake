# Helpers shared by every folder's CMakeLists.txt.

# bake_add_test(<name> SOURCES <files...> LIBS <targets...> [DEPENDS <programs...>])
# Builds a GoogleTest program into build/tests and registers its cases with CTest.
# End-to-end tests find the programs through testsupport (BAKE_BIN_DIR) and
# name the programs they run in DEPENDS, so that those are built first.
function(bake_add_test name)
  if(NOT BAKE_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} bake_testsupport GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
