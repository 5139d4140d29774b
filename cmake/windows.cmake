# The Windows build (cross-built by scripts/windows.sh): its programs run
# under Wine in a session of the build's own (tests/windows/session.sh), and
# its downloads are built with it.

# The same bytes from the same source, wherever and whenever it is built: no
# time stamp in the programs' headers, no build folder in their texts.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# Every test program runs in the Wine session: CMake puts this before each
# test command that names a program of the build.
find_program(WINE wine)
if(NOT WINE)
    message(FATAL_ERROR "Wine is missing: install Debian's wine")
endif()
set(EULER_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tests/windows/session.sh run ${EULER_WINE_SESSION} ${WINE})

# What a school downloads: the portable zip, the NSIS installer and the
# Windows Installer package, in out/ (scripts/windows/package.sh).
set(EULER_DOWNLOAD_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-x64)
# The project's identity, for the scripts that make the downloads and that
# check them.
set(EULER_IDENTITY
    "EULER_PRODUCT=${EULER_PRODUCT}" "EULER_PUBLISHER=${EULER_PUBLISHER}"
    "EULER_APP_ID=${EULER_APP_ID}" "EULER_WINDOWS_FOLDER=${EULER_WINDOWS_FOLDER}")
set(EULER_WINDOWS_OUT ${CMAKE_BINARY_DIR}/out)
set(EULER_QT_SOURCE "" CACHE PATH
    "The Qt source that the program is built from, whose licences go with it")
set(EULER_QT_SOURCE_VERSION "" CACHE STRING "The Debian version of that Qt source")
if(NOT EULER_QT_SOURCE OR NOT EULER_QT_SOURCE_VERSION)
    message(FATAL_ERROR "EULER_QT_SOURCE and EULER_QT_SOURCE_VERSION name the Qt source "
                        "that the program is built from (scripts/windows.sh sets them)")
endif()
set(packaging ${PROJECT_SOURCE_DIR}/scripts/windows)
set(downloads
    ${EULER_WINDOWS_OUT}/${EULER_DOWNLOAD_NAME}.zip
    ${EULER_WINDOWS_OUT}/${EULER_DOWNLOAD_NAME}-setup.exe
    ${EULER_WINDOWS_OUT}/${EULER_DOWNLOAD_NAME}.msi)
file(GLOB packaging_sources CONFIGURE_DEPENDS ${packaging}/*)
add_custom_command(OUTPUT ${downloads}
    COMMAND ${CMAKE_COMMAND} -E env ${EULER_IDENTITY}
            ${packaging}/package.sh ${CMAKE_BINARY_DIR} ${EULER_QT_SOURCE}
            ${EULER_QT_SOURCE_VERSION} ${EULER_WINDOWS_OUT} ${EULER_DOWNLOAD_NAME}
    DEPENDS euler-primes ${packaging_sources} ${PROJECT_SOURCE_DIR}/LICENSE
    VERBATIM)
add_custom_target(windows_downloads ALL DEPENDS ${downloads})
