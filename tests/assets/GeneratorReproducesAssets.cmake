# Draws the groups into an emptied scratch folder; every file drawn must equal the committed one,
# or, for a picture, be the same picture rasterised by another Qt: the same frames of the same
# sizes, differing only where edges and lettering are antialiased. Debian 13's Qt 6.8 draws 10
# of the 43 files so (its lettering a shade bolder): at most 11.5 % of a picture's pixels more
# than a level off, and no 5 x 5 patch off by more than 0.20 of full scale on average. A shape
# added to or taken from a drawing, two pictures exchanged, or lettering moved by one pixel
# changes some patch by 0.38 or more; a picture made 1 % brighter moves 38 % of its pixels.
# The limits lie between: 20 % of the pixels, and 0.27 for a patch.

# Whether two pictures hold the same frames, of the same sizes, differing only as above. Prints
# both measures of every frame.
function(same_picture drawnFile committedFile result)
    set(${result} FALSE PARENT_SCOPE)
    execute_process(COMMAND "${IDENTIFY}" -format "%wx%h\\n" "${drawnFile}"
                    OUTPUT_VARIABLE drawnFrames RESULT_VARIABLE drawnStatus ERROR_QUIET)
    execute_process(COMMAND "${IDENTIFY}" -format "%wx%h\\n" "${committedFile}"
                    OUTPUT_VARIABLE committedFrames RESULT_VARIABLE committedStatus ERROR_QUIET)
    if(NOT drawnStatus EQUAL 0 OR NOT committedStatus EQUAL 0
       OR NOT drawnFrames STREQUAL committedFrames)
        message(STATUS "${drawnFile}: frames ${drawnFrames} against ${committedFrames}")
        return()
    endif()
    string(STRIP "${drawnFrames}" drawnFrames)
    string(REPLACE "\n" ";" drawnFrames "${drawnFrames}")
    set(frame 0)
    set(same TRUE)
    foreach(size IN LISTS drawnFrames)
        set(drawn "${drawnFile}[${frame}]")
        set(committed "${committedFile}[${frame}]")
        # The pixels whose colour, alpha included, is more than about one 8-bit level (1/255 =
        # 0.39 %) away: a change of tone moves most of them, antialiasing only those on edges.
        execute_process(COMMAND "${COMPARE}" -metric AE -fuzz 0.6% "${drawn}" "${committed}" null:
                        ERROR_VARIABLE offPixels OUTPUT_QUIET RESULT_VARIABLE status)
        if(status GREATER 1 OR NOT offPixels MATCHES "^([0-9.e+]+)")
            message(STATUS "${drawn}: compare failed: ${offPixels}")
            return()
        endif()
        set(offPixels "${CMAKE_MATCH_1}")
        string(REPLACE "x" "*" pixels "${size}")
        math(EXPR offLimit "${pixels} / 5")
        # The largest mean difference of a 5 x 5 patch, in the channel that differs most, the
        # pictures premultiplied (on black): antialiasing spreads thin over an edge, a changed
        # shape or moved lettering fills a patch.
        execute_process(COMMAND "${MAGICK}" "${drawn}" "${committed}" -background black
                                -alpha remove -compose difference -composite -separate
                                -evaluate-sequence max -statistic mean 5x5
                                -format "%[fx:maxima]" info:
                        OUTPUT_VARIABLE patch RESULT_VARIABLE status ERROR_QUIET)
        if(NOT status EQUAL 0 OR NOT patch MATCHES "^[0-9.e+-]+$")
            message(STATUS "${drawn}: no difference measured: ${patch}")
            return()
        endif()
        message(STATUS "${drawn}: ${offPixels} of ${size} pixels off by more than a level, "
                       "largest 5 x 5 patch difference ${patch}")
        if(offPixels GREATER offLimit OR patch GREATER 0.27)
            set(same FALSE)
        endif()
        math(EXPR frame "${frame} + 1")
    endforeach()
    set(${result} ${same} PARENT_SCOPE)
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
        set(same FALSE)
        if(EXISTS "${COMMITTED}/${path}" AND path MATCHES "\\.(png|bmp|ico|jpg)$")
            same_picture("${SCRATCH}/${path}" "${COMMITTED}/${path}" same)
        endif()
        if(NOT same)
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
