# Fails unless the dynamic symbol table of LIB defines exactly the public
# functions of kmrengine.
set(expected "VF_CMQGIR;VF_HSPRPS;VF_RenzokuGir")
execute_process(COMMAND nm -D --defined-only ${LIB}
    OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIB}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${out}")
set(found "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] +" "" name "${line}")
    list(APPEND found ${name})
endforeach()
list(SORT found)
if(NOT found STREQUAL expected)
    message(FATAL_ERROR "exports are '${found}', expected '${expected}'")
endif()
