# Makes the MSI of testola.exe with wixl, for one architecture, and signs it as sign.cmake says. Run by the
# testola_msi target with SETTINGS, the file the build writes with SOURCE_DIR, EXE, ARCH (i686 or x86_64),
# VERSION, PUBLISHER, WORK (a scratch folder) and MSI (the output). A variable given on the command line wins over
# the settings: the installer check makes a higher version with -DVERSION=... -DMSI=... -DWORK=....
include(${SETTINGS})
include(${CMAKE_CURRENT_LIST_DIR}/sign.cmake)

# Each architecture keeps its UpgradeCode for good: it is how Windows knows an older Testola to replace.
set(upgrade_code_x86_64 9DE91C02-0EAA-4259-B723-663E2A63F0FA)
set(upgrade_code_i686 0379A532-DF6B-4CD0-A490-0A42F54C827A)
# The other codes are name-based UUIDs in this namespace, so that one commit always gives the same ones.
set(namespace 6A5E587A-390C-4657-AACF-EBBFF31F95F2)
if(ARCH STREQUAL "x86_64")
    set(wixl_arch x64)
    set(template x64)
    set(WIN64 yes)
    set(PROGRAM_FILES ProgramFiles64Folder)
elseif(ARCH STREQUAL "i686")
    set(wixl_arch x86)
    set(template Intel)
    set(WIN64 no)
    # Program Files (x86) on 64-bit Windows.
    set(PROGRAM_FILES ProgramFilesFolder)
else()
    message(FATAL_ERROR "No MSI for the architecture ${ARCH}")
endif()
set(UPGRADE_CODE ${upgrade_code_${ARCH}})
set(MSI_VERSION ${VERSION})
string(UUID PRODUCT_CODE NAMESPACE ${namespace} NAME "product ${ARCH} ${VERSION}" TYPE SHA1 UPPER)
# A component keeps its code from version to version while it installs the same files to the same place.
string(UUID PROGRAM_COMPONENT NAMESPACE ${namespace} NAME "program component ${ARCH}" TYPE SHA1 UPPER)
set(COMMENTS "An entrance exam of eight matrix examples")

# wixl takes relative Source paths only: the files are staged beside the .wxs, with the one time stamp the
# cabinet inside the MSI records for each.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/source_date_epoch.cmake)
set(files testola.exe README.md LICENSE testola.ico)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${EXE} ${WORK}/testola.exe)
file(COPY_FILE ${SOURCE_DIR}/README.md ${WORK}/README.md)
file(COPY_FILE ${SOURCE_DIR}/LICENSE ${WORK}/LICENSE)
file(COPY_FILE ${SOURCE_DIR}/window/icon/testola.ico ${WORK}/testola.ico)
execute_process(COMMAND touch -d @${source_date_epoch} ${files} WORKING_DIRECTORY ${WORK}
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/testola.wxs.in ${WORK}/testola.wxs @ONLY)
file(STRINGS ${WORK}/testola.wxs non_ascii REGEX "[^ -~]" ENCODING UTF-8)
if(non_ascii)
    message(FATAL_ERROR "wixl would drop what is not ASCII in: ${non_ascii}")
endif()

# wixl gives the package a random code and stamps it with the time of day; msibuild sets the code again, to one
# that names these very bytes (any change gives a new one), and both run at the frozen time SOURCE_DATE_EPOCH.
set(contents "${PRODUCT_CODE}")
foreach(file ${files} testola.wxs)
    file(SHA256 ${WORK}/${file} hash)
    string(APPEND contents " ${hash}")
endforeach()
string(UUID package_code NAMESPACE ${namespace} NAME "package ${contents}" TYPE SHA1 UPPER)
set(ENV{SOURCE_DATE_EPOCH} ${source_date_epoch})
string(TIMESTAMP frozen "%Y-%m-%d %H:%M:%S" UTC)
set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC faketime -f ${frozen})
execute_process(COMMAND ${at_epoch} wixl -a ${wixl_arch} -o testola.msi testola.wxs WORKING_DIRECTORY ${WORK}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${at_epoch} msibuild testola.msi -s "Testola ${VERSION} (${ARCH})" ${PUBLISHER}
                        "${template};1033" {${package_code}}
                WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
testola_sign(${WORK}/testola.msi ${MSI})
