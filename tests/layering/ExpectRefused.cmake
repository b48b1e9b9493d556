# cmake -DBUILD=<build folder> -DCASES=<EXPECTED:target:header;...> -P ExpectRefused.cmake
# Builds each target alone: an ALLOWED one must compile, a REFUSED one must fail because the
# compiler cannot find the header it names (and for no other reason).
foreach(case IN LISTS CASES)
    string(REPLACE ":" ";" case ${case})
    list(GET case 0 expected)
    list(GET case 1 target)
    list(GET case 2 header)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${target}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(expected STREQUAL "ALLOWED")
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "${target}: ${header} should compile:\n${output}")
        endif()
    elseif(result EQUAL 0)
        message(FATAL_ERROR "${target}: ${header} compiled, though its folder may not see it")
    elseif(NOT output MATCHES "${header}: No such file or directory")
        message(FATAL_ERROR "${target}: failed for another reason than ${header}:\n${output}")
    else()
        message(STATUS "${target}: ${header} refused by the compiler")
    endif()
endforeach()
