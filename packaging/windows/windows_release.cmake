# What a Windows release ships beside the zip (app/win32_zip.cmake): testola.exe as it goes into the zip and the
# MSI, signed when the environment gives a certificate (sign.cmake), and the MSI, testola-VERSION-ARCH.msi.
set(testola_windows_dir ${PROJECT_SOURCE_DIR}/packaging/windows)
set(TESTOLA_RELEASE_EXE ${CMAKE_CURRENT_BINARY_DIR}/release/testola.exe)
# The certificate comes from the environment, which no build rule sees, so this runs on every build; the copy is
# rewritten only when its bytes change, and the zip and the MSI are made again only then.
add_custom_target(testola_release_exe ALL
    COMMAND ${CMAKE_COMMAND} -DIN=$<TARGET_FILE:testola> -DOUT=${TESTOLA_RELEASE_EXE}
            -P ${testola_windows_dir}/sign.cmake
    BYPRODUCTS ${TESTOLA_RELEASE_EXE}
    VERBATIM)
add_dependencies(testola_release_exe testola)

set(TESTOLA_MSI ${PROJECT_BINARY_DIR}/testola-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR}.msi)
set(settings SOURCE_DIR "${PROJECT_SOURCE_DIR}" EXE "${TESTOLA_RELEASE_EXE}" ARCH "${CMAKE_SYSTEM_PROCESSOR}"
             VERSION "${PROJECT_VERSION}" PUBLISHER "${TESTOLA_COPYRIGHT_HOLDER}" MSI "${TESTOLA_MSI}"
             WORK "${CMAKE_CURRENT_BINARY_DIR}/msi")
set(content "")
while(settings)
    list(POP_FRONT settings name value)
    string(APPEND content "if(NOT DEFINED ${name})\n    set(${name} \"${value}\")\nendif()\n")
endwhile()
set(TESTOLA_MSI_SETTINGS ${CMAKE_CURRENT_BINARY_DIR}/msi_settings.cmake)
file(CONFIGURE OUTPUT ${TESTOLA_MSI_SETTINGS} CONTENT "${content}" @ONLY)
add_custom_command(
    OUTPUT ${TESTOLA_MSI}
    COMMAND ${CMAKE_COMMAND} -DSETTINGS=${TESTOLA_MSI_SETTINGS} -P ${testola_windows_dir}/make_msi.cmake
    DEPENDS testola_release_exe ${TESTOLA_RELEASE_EXE} ${TESTOLA_MSI_SETTINGS} ${testola_windows_dir}/make_msi.cmake
            ${testola_windows_dir}/sign.cmake ${testola_windows_dir}/testola.wxs.in
            ${PROJECT_SOURCE_DIR}/window/icon/testola.ico ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "Making ${TESTOLA_MSI}"
    VERBATIM)
add_custom_target(testola_msi ALL DEPENDS ${TESTOLA_MSI})
