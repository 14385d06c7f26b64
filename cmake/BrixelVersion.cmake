# Version resources. The project's VERSION (top-level CMakeLists.txt) is the
# one place the release version is written; every Windows binary carries it
# and the package is named after it.

# brixel_version_resource(<target> DESCRIPTION <text> [SELF_REGISTER])
# SELF_REGISTER: the file registers itself (DllRegisterServer), as hosts
# that read the version resource expect an OCX to say.
function(brixel_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "SELF_REGISTER" "DESCRIPTION" "" ${ARGN})
  set(ARG_TARGET ${target})
  set(patch 0)
  set(tweak 0)
  if(NOT "${PROJECT_VERSION_PATCH}" STREQUAL "")
    set(patch ${PROJECT_VERSION_PATCH})
  endif()
  if(NOT "${PROJECT_VERSION_TWEAK}" STREQUAL "")
    set(tweak ${PROJECT_VERSION_TWEAK})
  endif()
  set(BRIXEL_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${patch},${tweak}")
  set(BRIXEL_VERSION_DOTS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${patch}.${tweak}")
  set(BRIXEL_VERSION_EXTRA "")
  if(ARG_SELF_REGISTER)
    set(BRIXEL_VERSION_EXTRA "            VALUE \"OLESelfRegister\", \"\"")
  endif()
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${configured} @ONLY)
  # The file name and type are only known to the generator.
  file(GENERATE OUTPUT ${generated} INPUT ${configured})
  target_sources(${target} PRIVATE ${generated})
endfunction()
