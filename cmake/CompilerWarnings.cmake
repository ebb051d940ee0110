# Every target of ours compiles with the same warning set; CI turns them into errors.
option(PIPEWEIGHT_WERROR "Treat compiler warnings as errors" OFF)

function(pipeweight_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(PIPEWEIGHT_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
