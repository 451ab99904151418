# Signs a Windows program or installer with osslsigncode (Authenticode, SHA-256) when the environment gives a
# certificate: TESTOLA_SIGN_PKCS12 names a PKCS#12 file with the key and certificate, TESTOLA_SIGN_PASSWORD is its
# password, and TESTOLA_SIGN_TIMESTAMP_URL, when set, a time-stamp server. Without TESTOLA_SIGN_PKCS12 the file is
# copied unsigned, and the output says so.
# As a script: cmake -DIN=FILE -DOUT=FILE -P sign.cmake. OUT is rewritten only when its bytes change, so a build
# that changed nothing leaves what is made from it alone.

function(testola_sign in out)
    get_filename_component(name ${out} NAME)
    if("$ENV{TESTOLA_SIGN_PKCS12}" STREQUAL "")
        message(STATUS "${name}: not signed (TESTOLA_SIGN_PKCS12 is not set)")
        file(COPY_FILE ${in} ${out} ONLY_IF_DIFFERENT)
        return()
    endif()
    if(NOT DEFINED ENV{TESTOLA_SIGN_PASSWORD})
        message(FATAL_ERROR "TESTOLA_SIGN_PKCS12 is set but TESTOLA_SIGN_PASSWORD is not")
    endif()
    if(NOT "$ENV{TESTOLA_SIGN_TIMESTAMP_URL}" STREQUAL "")
        set(when -ts $ENV{TESTOLA_SIGN_TIMESTAMP_URL})
    elseif(DEFINED ENV{SOURCE_DATE_EPOCH})
        # With no time-stamp server the signature claims the commit's time, so one commit signs the same.
        set(when -time $ENV{SOURCE_DATE_EPOCH})
    endif()
    # The password goes through a file only its owner reads, not through the command line that ps shows.
    set(secret ${out}.secret)
    file(REMOVE_RECURSE ${secret})
    file(MAKE_DIRECTORY ${secret})
    file(CHMOD ${secret} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    file(WRITE ${secret}/password "$ENV{TESTOLA_SIGN_PASSWORD}")
    file(REMOVE ${out}.signed)
    execute_process(COMMAND osslsigncode sign -pkcs12 $ENV{TESTOLA_SIGN_PKCS12} -readpass ${secret}/password
                            -h sha256 ${when} -in ${in} -out ${out}.signed
                    OUTPUT_QUIET RESULT_VARIABLE failed)
    file(REMOVE_RECURSE ${secret})
    if(failed)
        message(FATAL_ERROR "osslsigncode could not sign ${in}")
    endif()
    file(COPY_FILE ${out}.signed ${out} ONLY_IF_DIFFERENT)
    file(REMOVE ${out}.signed)
    message(STATUS "${name}: signed with $ENV{TESTOLA_SIGN_PKCS12}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    testola_sign(${IN} ${OUT})
endif()
