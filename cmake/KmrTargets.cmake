# Helpers for the project's own targets: each one gets the warning flags, and
# every test carries the prefix of the layer it tests, so that
# `ctest -R '^calc\.'` selects the calc tests.
set(KMR_WARNINGS -Wall -Wextra -Werror)
set(KMR_TEST_LAYERS engine model calc report ui app)

# kmr_add_library(NAME STATIC|SHARED|OBJECT SOURCES...)
function(kmr_add_library name kind)
    add_library(${name} ${kind} ${ARGN})
    target_compile_options(${name} PRIVATE ${KMR_WARNINGS})
endfunction()

# kmr_add_executable(NAME SOURCES...)
function(kmr_add_executable name)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${KMR_WARNINGS})
endfunction()

# Fails at configure unless NAME starts with a layer prefix ("calc.", ...).
function(kmr_check_test_name name)
    list(JOIN KMR_TEST_LAYERS "|" layers)
    if(NOT name MATCHES "^(${layers})\\.")
        message(FATAL_ERROR "test name '${name}' lacks its layer prefix (${layers}).")
    endif()
endfunction()

# kmr_add_test(TARGET PREFIX layer.[part.] SOURCES... [LIBRARIES...]
#              [DEFINITIONS...] [GUI] [PRE_TEST])
# A GoogleTest executable whose cases become ctest tests named PREFIX plus
# Suite.Case. GUI runs them on the offscreen platform; PRE_TEST lists the
# cases when ctest runs instead of after linking. In a cross build, whose
# programs start through an emulator (Wine), the program is one test named
# PREFIX plus TARGET: a start of the emulator per case would cost minutes.
function(kmr_add_test target)
    cmake_parse_arguments(PARSE_ARGV 1 T "GUI;PRE_TEST" "PREFIX"
                          "SOURCES;LIBRARIES;DEFINITIONS")
    kmr_check_test_name("${T_PREFIX}")
    kmr_add_executable(${target} ${T_SOURCES})
    target_link_libraries(${target} PRIVATE ${T_LIBRARIES})
    if(T_DEFINITIONS)
        target_compile_definitions(${target} PRIVATE ${T_DEFINITIONS})
    endif()
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${T_PREFIX}${target} COMMAND ${target})
        return()
    endif()
    set(options TEST_PREFIX ${T_PREFIX})
    if(T_PRE_TEST)
        list(APPEND options DISCOVERY_MODE PRE_TEST)
    else()
        list(APPEND options DISCOVERY_TIMEOUT 60)
    endif()
    if(T_GUI)
        list(APPEND options PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${target} ${options})
endfunction()

# kmr_add_command_test(NAME layer.Name COMMAND program args... [WILL_FAIL])
function(kmr_add_command_test)
    cmake_parse_arguments(PARSE_ARGV 0 T "WILL_FAIL" "NAME" "COMMAND")
    kmr_check_test_name("${T_NAME}")
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    if(T_WILL_FAIL)
        set_tests_properties(${T_NAME} PROPERTIES WILL_FAIL TRUE)
    endif()
endfunction()
