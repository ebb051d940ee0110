# The Windows packages: a 64-bit NSIS installer into the 64-bit Program Files, with a Start-menu
# shortcut and an entry in the list of installed programs, and a portable .zip of the same
# folder.
set(CPACK_GENERATOR NSIS ZIP)
# The program is linked stripped (app/), so both packages hold the very file the tests ran (with
# a signature appended, when it is signed).
set(CPACK_STRIP_FILES OFF)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PIPEWEIGHT_PRODUCT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${PIPEWEIGHT_PRODUCT_NAME}")
set(CPACK_PACKAGE_FILE_NAME "pipeweight-${PROJECT_VERSION}-windows-x64")

set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${PIPEWEIGHT_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${PIPEWEIGHT_PRODUCT_NAME}")
# Dressed as the program: its icon on the installer and the uninstaller, its own pictures beside
# the welcome and finish pages and in the header of the others. (Installer.nsh takes the
# installer maker's name off the foot of the pages.) The icon is the program file's, of PNG
# images: the installer keeps it uncompressed among its resources, and the uninstaller has it
# again, 0.13 MB less than the same images as bitmaps.
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/Windows/MAINICON.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/Windows/MAINICON.ico)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/assets/Installer/Wizard.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/assets/Installer/Wizard.bmp)
set(CPACK_NSIS_MUI_HEADERIMAGE ${PROJECT_SOURCE_DIR}/assets/Installer/Header.bmp)
set(CPACK_NSIS_INSTALLED_ICON_NAME pipeweight.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# Started as the user from the finish page (Installer.nsh).
set(CPACK_NSIS_MUI_FINISHPAGE_RUN pipeweight.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
# The shortcut: the program, named as the Start menu shows it, with the icon it carries.
set(CPACK_PACKAGE_EXECUTABLES pipeweight "${PIPEWEIGHT_PRODUCT_NAME}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# The wizard speaks the program's own languages, English and Persian (Farsi), and picks the one
# of the user's Windows, English where that is neither. CPack's script for NSIS lists every
# language NSIS has, whose texts, in the installer and the uninstaller both, were 0.12 MB of the
# installer. The script is CPack's own with the other languages taken out; CPack looks for it on
# the module path first.
set(wizard_languages English Farsi)
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
string(REGEX MATCHALL "!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"" listed "${nsis_template}")
string(REGEX REPLACE "!insertmacro MUI_LANGUAGE \"([A-Za-z]+)\"" "\\1" listed "${listed}")
foreach(language IN LISTS listed)
    if(NOT language IN_LIST wizard_languages)
        string(REGEX REPLACE "[^\n]*!insertmacro MUI_LANGUAGE \"${language}\"[^\n]*\n" ""
               nsis_template "${nsis_template}")
    endif()
endforeach()
string(REGEX MATCHALL "!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"" kept "${nsis_template}")
list(LENGTH kept kept_count)
list(LENGTH wizard_languages wanted_count)
if(NOT kept_count EQUAL wanted_count)
    message(FATAL_ERROR "CPack's NSIS script lists the languages ${listed}; "
                        "expected ${wizard_languages} among them, once each")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis-script/NSIS.template.in "${nsis_template}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis-script)

# One LZMA stream over every file, with a dictionary that spans all of it: with NSIS's default
# of 8 MB the compressor could not refer back beyond that within the program file.
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma\n  SetCompressorDictSize 32")
# The uninstaller removes the program's key under the vendor's but leaves the vendor's own key,
# empty. This hook is the uninstaller's last that runs after that removal.
# (Escaped twice: CPack writes the value into its own configuration file unescaped.)
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "DeleteRegKey /ifempty SHCTX \\\"Software\\\\${CPACK_PACKAGE_VENDOR}\\\"")

# Signed with Authenticode when the maker gives a certificate at packaging time (see
# authenticode-sign): the program before it goes into either package (SignProgram.cmake), the
# uninstaller and the installer as NSIS makes them (Installer.nsh). Without one the same steps
# leave them unsigned.
set(CPACK_PIPEWEIGHT_SIGN_COMMAND ${CMAKE_CURRENT_LIST_DIR}/authenticode-sign)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SignProgram.cmake)

# The installer's settings that CPack has no variable for, and what they need to know. (Quotes
# escaped for CPack's configuration file, which takes the value unescaped.)
string(APPEND CPACK_NSIS_DEFINES
    "\n  !define PIPEWEIGHT_SIGN \\\"${CPACK_PIPEWEIGHT_SIGN_COMMAND}\\\""
    "\n  !define PIPEWEIGHT_NAME \\\"${PIPEWEIGHT_PRODUCT_NAME}\\\""
    "\n  !define PIPEWEIGHT_URL \\\"${CPACK_PACKAGE_HOMEPAGE_URL}\\\""
    "\n  !define PIPEWEIGHT_PROGRAM pipeweight.exe"
    "\n  !include \\\"${CMAKE_CURRENT_LIST_DIR}/Installer.nsh\\\"")
