# Every release has an entry in packaging/changelog, Debian's format, newest
# first. The newest entry must be this version; its date is the release date
# that the metainfo and the manual page show (CORVANE_RELEASE_DATE).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_lines)

list(GET changelog_lines 0 newest_entry)
if(NOT newest_entry MATCHES "^corvane-dice \\(([^)]+)\\) ")
    message(FATAL_ERROR "packaging/changelog does not start with a Debian changelog entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's newest entry is for ${CMAKE_MATCH_1}; "
                        "add one for ${PROJECT_VERSION}")
endif()

set(release_day "")
foreach(line IN LISTS changelog_lines)
    # The entry's trailer: " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000"
    if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(release_day ${CMAKE_MATCH_1})
        set(release_month ${CMAKE_MATCH_2})
        set(release_year ${CMAKE_MATCH_3})
        break()
    endif()
endforeach()
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND month_names "${release_month}" month_index)
if(release_day STREQUAL "" OR month_index EQUAL -1)
    message(FATAL_ERROR "packaging/changelog's newest entry has no trailer line with its date")
endif()
math(EXPR release_month_number "${month_index} + 1")
string(LENGTH "${release_day}" day_digits)
if(day_digits EQUAL 1)
    set(release_day 0${release_day})
endif()
if(release_month_number LESS 10)
    set(release_month_number 0${release_month_number})
endif()
set(CORVANE_RELEASE_DATE ${release_year}-${release_month_number}-${release_day})
