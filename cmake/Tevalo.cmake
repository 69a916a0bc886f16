# Helpers shared by every folder of the tree.

# Adds each direct child folder of PARENT that has a CMakeLists.txt.
function(tevalo_add_subdirectories parent)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/${parent}/*)
  list(SORT children)
  foreach(child ${children})
    get_filename_component(name ${child} NAME)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt
       AND NOT (parent STREQUAL "tests" AND name STREQUAL "support"))
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# The runtime folder of the tests: their local sockets (single instance, window
# classes) live there instead of the shared temporary folder, and Qt finds one
# instead of making its own. Private to the user, as the XDG rules ask.
set(TEVALO_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${TEVALO_TEST_RUNTIME_DIR})
file(CHMOD ${TEVALO_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# tevalo_add_test(name SOURCES a.cpp ... LIBS lib ... [TIMEOUT s] [LABELS l ...]
#                  [SESSION_BUS] [OWN_MAIN])
# One GoogleTest executable, one CTest entry. Qt runs offscreen, so screen tests
# paint without a display. SESSION_BUS runs the test on a private D-Bus session
# bus of its own (dbus-run-session); OWN_MAIN leaves main() to the test.
function(tevalo_add_test name)
  cmake_parse_arguments(T "SESSION_BUS;OWN_MAIN" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest Threads::Threads)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  endif()
  if(T_SESSION_BUS)
    find_program(DBUS_RUN_SESSION dbus-run-session REQUIRED)
    add_test(NAME ${name} COMMAND ${DBUS_RUN_SESSION} -- $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TEVALO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TEVALO_BINARY_DIR=${CMAKE_BINARY_DIR};XDG_RUNTIME_DIR=${TEVALO_TEST_RUNTIME_DIR}")
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# tevalo_add_bench(name SOURCES ... LIBS ...)
function(tevalo_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# tevalo_add_fuzzer(name SOURCES ... LIBS ...): libFuzzer target, clang only.
function(tevalo_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
