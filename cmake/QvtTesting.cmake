# GoogleTest for both targets: the system package natively, Debian's sources for the cross
# build (run under Wine through CMAKE_CROSSCOMPILING_EMULATOR).
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(QVT_GTEST GTest::gtest GTest::gmock)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
  set(QVT_GTEST GTest::gtest GTest::gmock)
endif()
include(GoogleTest)

# qvt_add_unit_test(NAME SOURCES a.cpp b.cpp LIBS x y [LABELS l])
# One GoogleTest executable; its tests are discovered when CTest runs (under Wine for the
# cross build: discovery at build time would need Wine during the build).
function(qvt_add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${QVT_GTEST} qvt_warnings)
  if(NOT CMAKE_CROSSCOMPILING)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  else()
    target_link_libraries(${name} PRIVATE gtest_main)
  endif()
  # One label per test: the discovery step flattens a list given here into separate properties.
  set(label unit)
  if(T_LABELS)
    list(GET T_LABELS 0 label)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES LABELS ${label} TIMEOUT 300)
endfunction()
