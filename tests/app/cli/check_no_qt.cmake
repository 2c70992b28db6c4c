# Fails when PROGRAM needs a Qt library (directly or through another library),
# or when HELPER, which draws the report, does not need Qt Gui (so the check
# itself would see nothing).
function(kmr_libraries file result)
    execute_process(COMMAND ldd ${file} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "ldd failed on ${file}")
    endif()
    set(${result} "${out}" PARENT_SCOPE)
endfunction()

kmr_libraries(${PROGRAM} program)
if(program MATCHES "libQt[^ ]*")
    message(FATAL_ERROR "${PROGRAM} loads ${CMAKE_MATCH_0}:\n${program}")
endif()
kmr_libraries(${HELPER} helper)
if(NOT helper MATCHES "libQt6Gui")
    message(FATAL_ERROR "${HELPER} does not load Qt Gui:\n${helper}")
endif()
