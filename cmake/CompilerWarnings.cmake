# Every target of ours compiles with the same warning set; CI turns them into errors.
option(PIPEWEIGHT_WERROR "Treat compiler warnings as errors" OFF)

function(pipeweight_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${PIPEWEIGHT_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                               $<$<BOOL:${PIPEWEIGHT_WERROR}>:-Werror>)
    endif()
endfunction()
