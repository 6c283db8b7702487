# One library target per source folder: pagewing_library(<target> <folder> [DEPS <targets>...]).
# Every .cpp file of the folder belongs to it, so adding a file needs no CMake change.
function(pagewing_library target folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp")
  if(NOT sources)
    # A folder whose code is still to come: headers only, so dependants link already.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# Test programs of one test folder: pagewing_test(<folder> [LIBS <targets>...]).
# Files named *GLTest.cpp need a real OpenGL context: they form a second program whose tests
# carry the CTest label "gl"; the others need no context and no display.
function(pagewing_test folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp")
  file(GLOB gl_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*GLTest.cpp")
  if(gl_sources)
    list(REMOVE_ITEM sources ${gl_sources})
  endif()
  string(REPLACE "/" "_" name "test_${folder}")
  pagewing_test_program(${name} "${sources}" "${ARG_LIBS}" "unit")
  pagewing_test_program(${name}_gl "${gl_sources}" "${ARG_LIBS}" "gl")
endfunction()

function(pagewing_test_program name sources libs label)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${libs} pagewing_testsupport GTest::gtest_main GTest::gmock)
  # Test bodies are compiled without optimisation and with line tables only: their compilation is
  # most of the suite's build time, while the code they test keeps the build's own flags.
  target_compile_options(${name} PRIVATE "$<$<CONFIG:RelWithDebInfo,Release,MinSizeRel>:-O0;-g1>")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS "${label}")
endfunction()
