# Reads the version and the day it was released from the top entry of debian/changelog, their one record, into
# TESTOLA_VERSION and TESTOLA_RELEASE_DATE (YYYY-MM-DD). The entry's first line names the version, its sign-off
# line the day:
#   testola (1.00) unstable; urgency=medium
#   ...
#    -- Maintainer <address>  Tue, 08 Dec 2026 12:00:00 +0000
cmake_path(SET changelog NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} top LIMIT_COUNT 1 REGEX "^testola ")
file(STRINGS ${changelog} sign_off LIMIT_COUNT 1 REGEX "^ -- ")
if(NOT top MATCHES "^testola \\(([0-9.]+)\\) ")
    message(FATAL_ERROR "debian/changelog does not start with \"testola (VERSION) ...\"")
endif()
set(TESTOLA_VERSION ${CMAKE_MATCH_1})
if(NOT sign_off MATCHES "  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "debian/changelog's top entry has no sign-off line with a date: ${sign_off}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
# Two digits each: 8 becomes 08.
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(TESTOLA_RELEASE_DATE ${year}-${month}-${day})
