# Shared build rules for Terrafold's libraries, programs and tests.

set(TF_WARNINGS -Wall -Wextra -Wno-unused-parameter)

function(tf_apply_flags target)
  target_compile_options(${target} PRIVATE ${TF_WARNINGS})
  if(TF_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                              -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(TF_FUZZ)
    # Coverage for libFuzzer in every library the fuzz targets link.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# tf_add_library(NAME SOURCES ... [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# A static library whose headers are reached as "<subsystem>/Header.h".
function(tf_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON)
  tf_apply_flags(${name})
endfunction()

# tf_add_program(NAME SOURCES ... DEPS ...)
function(tf_add_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  tf_apply_flags(${name})
endfunction()

# tf_add_test(NAME [X_SERVER] SOURCES ... DEPS ... [LABELS ...])
# One GoogleTest binary; every test case becomes its own CTest test. With
# X_SERVER the binary is one CTest test run on a private X server
# (scripts/under-xvfb.sh), offscreen where there is none.
function(tf_add_test name)
  cmake_parse_arguments(ARG "X_SERVER" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} tf_testsupport GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TF_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             TF_BINARY_DIR="${PROJECT_BINARY_DIR}")
  tf_apply_flags(${name})
  if(ARG_X_SERVER)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/under-xvfb.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    return()
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}")
endfunction()
