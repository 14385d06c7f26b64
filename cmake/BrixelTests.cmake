# GoogleTest: Debian's packaged library natively; compiled from Debian's
# googletest sources in the cross trees (there is no packaged mingw build).
macro(brixel_find_gtest)
  if(WIN32)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    set(BRIXEL_GTEST_MAIN GTest::gtest_main)
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gmock ALIAS gmock)
    endif()
  else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    set(BRIXEL_GTEST_MAIN GTest::gtest_main)
  endif()
endmacro()

# One test executable built from every .cpp of a folder. Natively each case is
# its own CTest entry; under Wine the whole executable is one entry, because
# starting a Windows process per case would dominate the run.
# OWN_MAIN: the folder brings its own main() instead of GoogleTest's.
function(brixel_test_folder name folder)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "LIBS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  # The cases of a folder share their headers (GoogleTest, the doubles, the
  # Windows headers): compiling them in batches parses those once per batch.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  brixel_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${BRIXEL_GTEST_MAIN} GTest::gmock)
  endif()
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
