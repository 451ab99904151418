# The zip a Windows user downloads: testola.exe (signed when a certificate is given) with the README and the
# licence. Built from one commit with one SOURCE_DATE_EPOCH (by default the commit's own time), it comes out the
# same, byte for byte.
set(TESTOLA_ZIP ${PROJECT_BINARY_DIR}/testola-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR}.zip)
add_custom_command(
    OUTPUT ${TESTOLA_ZIP}
    COMMAND ${CMAKE_COMMAND} -DEXE=${TESTOLA_RELEASE_EXE} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DSTAGE=${CMAKE_CURRENT_BINARY_DIR}/zip -DZIP=${TESTOLA_ZIP} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_zip.cmake
    DEPENDS testola_release_exe ${TESTOLA_RELEASE_EXE} ${CMAKE_CURRENT_SOURCE_DIR}/make_zip.cmake
            ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "Packing ${TESTOLA_ZIP}"
    VERBATIM)
add_custom_target(testola_zip ALL DEPENDS ${TESTOLA_ZIP})
