# Run by CPack once the program folder is staged for a package, before the package is made:
# signs the staged pipeweight.exe when the maker has given a certificate (authenticode-sign), so
# that the installer and the .zip carry the signed program. Signing appends the signature and
# changes nothing else of the file the tests ran.
# Each package is staged apart, and every signature differs (its signing time, its timestamp):
# the first package's signed file is kept and given to the second, so that both hold the same
# file. It is kept under the unsigned file's hash and the signing settings, so that a later run
# with another program or certificate signs anew.
set(staged "${CPACK_TEMPORARY_DIRECTORY}/pipeweight.exe")
if(NOT EXISTS "${staged}")
    message(FATAL_ERROR "no pipeweight.exe in the staged folder ${CPACK_TEMPORARY_DIRECTORY}")
endif()

set(settings "$ENV{PIPEWEIGHT_SIGN_PKCS12}")
if(settings STREQUAL "")
    return()
endif()
file(SHA256 "${staged}" unsigned)
string(APPEND settings "|$ENV{PIPEWEIGHT_SIGN_TIMESTAMP_URL}")
if(EXISTS "$ENV{PIPEWEIGHT_SIGN_PKCS12}")
    file(SHA256 "$ENV{PIPEWEIGHT_SIGN_PKCS12}" certificate)
    string(APPEND settings "|${certificate}")
endif()
string(SHA256 key "${unsigned}|${settings}")
set(kept "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/signed/pipeweight-${key}.exe")

if(NOT EXISTS "${kept}")
    execute_process(
        COMMAND "${CPACK_PIPEWEIGHT_SIGN_COMMAND}" "${staged}" "${CPACK_NSIS_PACKAGE_NAME}"
                "${CPACK_PACKAGE_HOMEPAGE_URL}"
        COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(folder "${kept}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${staged}" "${kept}.part")
    file(RENAME "${kept}.part" "${kept}")
else()
    file(COPY_FILE "${kept}" "${staged}")
endif()
