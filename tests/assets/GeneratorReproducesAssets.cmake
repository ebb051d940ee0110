# Draws the groups into an emptied scratch folder; every file drawn must equal the committed one,
# or, for a picture, have the same frames and sizes and no sample off by more than one level.
# That level is the rounding of Qt's antialiasing and gradients, which is not the same on every
# machine with the same packages: a second machine drew 7 of the 43 files with 1 to 10
# samples one level away.

# Whether two pictures hold the same frames, of the same sizes, each sample within one level.
function(same_within_a_level drawnFile committedFile result)
    set(${result} FALSE PARENT_SCOPE)
    execute_process(COMMAND "${IDENTIFY}" -format "%wx%h\\n" "${drawnFile}"
                    OUTPUT_VARIABLE drawnFrames RESULT_VARIABLE drawnStatus ERROR_QUIET)
    execute_process(COMMAND "${IDENTIFY}" -format "%wx%h\\n" "${committedFile}"
                    OUTPUT_VARIABLE committedFrames RESULT_VARIABLE committedStatus ERROR_QUIET)
    if(NOT drawnStatus EQUAL 0 OR NOT committedStatus EQUAL 0
       OR NOT drawnFrames STREQUAL committedFrames)
        return()
    endif()
    string(STRIP "${drawnFrames}" drawnFrames)
    string(REPLACE "\n" ";" drawnFrames "${drawnFrames}")
    list(LENGTH drawnFrames frameCount)
    math(EXPR lastFrame "${frameCount} - 1")
    foreach(frame RANGE ${lastFrame})
        # The peak absolute error, printed on stderr as "<absolute> (<fraction of full scale>)".
        execute_process(COMMAND "${COMPARE}" -metric PAE "${drawnFile}[${frame}]"
                                "${committedFile}[${frame}]" null:
                        ERROR_VARIABLE peak OUTPUT_QUIET)
        if(NOT peak MATCHES "\\(([0-9.e+-]+)\\)")
            return()
        endif()
        set(fraction "${CMAKE_MATCH_1}")
        # One 8-bit level is 1/255 = 0.00392; anything above 1.5 levels is a real difference.
        if(fraction GREATER 0.0059)
            return()
        endif()
    endforeach()
    set(${result} TRUE PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
string(REPLACE "," ";" groups "${GROUPS}")
list(JOIN groups " " groupNames)
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" ${groups} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "assetgen ${groupNames} failed: ${status}")
endif()

file(GLOB_RECURSE drawn LIST_DIRECTORIES false RELATIVE "${SCRATCH}" "${SCRATCH}/*")
if(NOT drawn)
    message(FATAL_ERROR "assetgen ${groupNames} drew nothing")
endif()
set(differing "")
foreach(path IN LISTS drawn)
    file(SHA256 "${SCRATCH}/${path}" drawnHash)
    set(committedHash "")
    if(EXISTS "${COMMITTED}/${path}")
        file(SHA256 "${COMMITTED}/${path}" committedHash)
    endif()
    if(NOT drawnHash STREQUAL committedHash)
        set(close FALSE)
        if(EXISTS "${COMMITTED}/${path}" AND path MATCHES "\\.(png|bmp|ico)$")
            same_within_a_level("${SCRATCH}/${path}" "${COMMITTED}/${path}" close)
        endif()
        if(NOT close)
            list(APPEND differing "${path}")
        endif()
    endif()
endforeach()
if(differing)
    list(JOIN differing ", " differingNames)
    message(FATAL_ERROR "drawn differently from the committed files (or not committed): "
                        "${differingNames}; the drawn ones are in ${SCRATCH}")
endif()
list(LENGTH drawn count)
message(STATUS "${count} files drawn as committed")
