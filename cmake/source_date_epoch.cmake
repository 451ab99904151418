# Sets source_date_epoch to the time a reproducible package gives its files: SOURCE_DATE_EPOCH when set, else the
# last commit's time in SOURCE_DIR, else 1980-01-01 (the first time a zip can hold). For scripts run with -P.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(source_date_epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct OUTPUT_VARIABLE source_date_epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR source_date_epoch STREQUAL "")
        set(source_date_epoch 315532800)
    endif()
endif()
