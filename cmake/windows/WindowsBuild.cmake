# The Windows build, cross-compiled here (cmake/windows/mingw-w64.cmake) and tested under Wine.

# Every program in one folder, as on the user's machine: the built program finds the face it
# ships beside it, and so do the tests.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Built for size, as its Qt is (the preset's MinSizeRel), and linked by lld.
include(${CMAKE_CURRENT_LIST_DIR}/LinkWithLld.cmake)

# Qt for Windows is static, so its plugins (the platform plugin above all) reach the program only
# through Qt's automatic plugin inclusion. Debian's Qt 6.8 sources turn that off by default, which
# leaves a program that stops at start with "no Qt platform plugin could be initialized".
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)

# CTest runs the Windows programs under Wine, in a prefix of the build's own.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(PIPEWEIGHT_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
    configure_file(${PROJECT_SOURCE_DIR}/tests/windows/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

# Without a console, which is how Wine runs them under CTest, QtTest programs write their plain
# log to the debugger rather than to standard output; the TAP log always goes to standard output.
set(PIPEWEIGHT_QTEST_ARGUMENTS -o -,tap)
