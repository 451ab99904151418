# Run by the testola_zip target: stages the files with one time stamp and one mode each and zips them without
# the extra fields (owner, access times) that would differ from one build to the next.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/source_date_epoch.cmake)

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${EXE} ${STAGE}/testola.exe)
file(COPY_FILE ${SOURCE_DIR}/README.md ${STAGE}/README.md)
file(COPY_FILE ${SOURCE_DIR}/LICENSE ${STAGE}/LICENSE)
set(files testola.exe README.md LICENSE)
file(CHMOD ${STAGE}/testola.exe PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                             WORLD_READ WORLD_EXECUTE)
file(CHMOD ${STAGE}/README.md ${STAGE}/LICENSE PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
execute_process(COMMAND touch -d @${source_date_epoch} ${files} WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP})
# A zip holds local times: in UTC they are the same wherever it is built.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -q ${ZIP} ${files} WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
