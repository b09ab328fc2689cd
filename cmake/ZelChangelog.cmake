# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_read_changelog(<changelog.md> <package> <maintainer>)
#
# CHANGELOG.md is the one place where releases are written down; this reads
# it and derives what else names a release, so that no version or date is
# written twice. In the caller's scope it sets
#   ZEL_RELEASE_DATE        the newest release's date, YYYY-MM-DD
#   ZEL_RELEASE_EPOCH       midnight UTC of that date in seconds since 1970,
#                           the time stamp of packaged files by default
#   ZEL_APPSTREAM_RELEASES  the <release> elements of the AppStream metainfo
# and writes the Debian changelog of <package>, signed by <maintainer>, to
# ${PROJECT_BINARY_DIR}/debian/changelog. Configuring stops when the newest
# release is not the project's version.
#
# What is read: "## [<version>] - <YYYY-MM-DD>" opens a release, "### <kind>"
# a group of its changes, "- " an entry, which goes on over indented lines.
# Other headings (such as "## [Unreleased]") and text are left out.

# Days from 1970-01-01 to the date YYYY-MM-DD, in the proleptic Gregorian
# calendar, for dates from the year 0 on.
function(zel_days_since_1970 date out)
    string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-0?([0-9]+)-0?([0-9]+)$" matched "${date}")
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    # Years start in March, so that the leap day ends the year.
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR days "${era} * 146097 + ${year_of_era} * 365 + ${year_of_era} / 4 \
        - ${year_of_era} / 100 + ${day_of_year} - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()

# The date as the Debian changelog writes it: "Sun, 06 Dec 2026 00:00:00 +0000".
function(zel_rfc2822_date date out)
    zel_days_since_1970(${date} days)
    math(EXPR weekday "(${days} + 4) % 7")
    list(GET ZEL_WEEKDAYS ${weekday} weekday)
    string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" matched "${date}")
    math(EXPR month "${CMAKE_MATCH_2} - 1")
    list(GET ZEL_MONTHS ${month} month)
    set(${out} "${weekday}, ${CMAKE_MATCH_3} ${month} ${CMAKE_MATCH_1} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
set(ZEL_WEEKDAYS Sun Mon Tue Wed Thu Fri Sat)
set(ZEL_MONTHS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# Ends the entry being read: one <li> in AppStream, one "-" item in Debian.
macro(zel_changelog_end_entry)
    if(entry)
        string(REPLACE "`" "" entry "${entry}")
        string(REPLACE "&" "&amp;" entry "${entry}")
        string(REPLACE "<" "&lt;" entry "${entry}")
        string(REPLACE ">" "&gt;" entry "${entry}")
        string(APPEND appstream "          <li>${entry}</li>\n")
        set(entry "")
    endif()
endmacro()

macro(zel_changelog_end_group)
    zel_changelog_end_entry()
    if(group)
        string(APPEND appstream "        </ul>\n")
        set(group "")
    endif()
endmacro()

macro(zel_changelog_end_release)
    zel_changelog_end_group()
    if(version)
        zel_rfc2822_date(${date} signed)
        string(APPEND appstream "      </description>\n    </release>\n")
        string(APPEND debian "\n -- ${maintainer}  ${signed}\n\n")
        set(version "")
    endif()
endmacro()

function(zel_read_changelog changelog package maintainer)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(READ ${changelog} text)
    # One list element per line: semicolons in the text travel as a marker.
    string(REPLACE ";" "@zel-semicolon@" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(appstream "")
    set(debian "")
    set(version "")
    set(group "")
    set(entry "")
    set(newest "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^## \\[([0-9]+\\.[0-9]+\\.[0-9]+)\\] - ([0-9]+-[0-9]+-[0-9]+)$")
            zel_changelog_end_release()
            set(version ${CMAKE_MATCH_1})
            set(date ${CMAKE_MATCH_2})
            if(NOT newest)
                set(newest ${version})
                set(newest_date ${date})
            endif()
            string(APPEND appstream
                "    <release version=\"${version}\" date=\"${date}\">\n      <description>\n")
            string(APPEND debian "${package} (${version}) unstable; urgency=medium\n")
        elseif(line MATCHES "^## ")
            zel_changelog_end_release()
        elseif(version AND line MATCHES "^### (.+)$")
            zel_changelog_end_group()
            set(group "${CMAKE_MATCH_1}")
            string(APPEND appstream "        <p>${group}:</p>\n        <ul>\n")
            string(APPEND debian "\n  * ${group}:\n")
        elseif(group AND line MATCHES "^- (.+)$")
            zel_changelog_end_entry()
            set(entry "${CMAKE_MATCH_1}")
            string(APPEND debian "    - ${CMAKE_MATCH_1}\n")
        elseif(entry AND line MATCHES "^ +(.+)$")
            string(APPEND entry " ${CMAKE_MATCH_1}")
            string(APPEND debian "      ${CMAKE_MATCH_1}\n")
        endif()
    endforeach()
    zel_changelog_end_release()

    if(NOT newest STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${changelog}: the newest release is '${newest}', "
                            "the project's version ${PROJECT_VERSION}")
    endif()
    string(REPLACE "@zel-semicolon@" ";" appstream "${appstream}")
    string(REPLACE "@zel-semicolon@" ";" debian "${debian}")
    string(STRIP "${debian}" debian)
    file(WRITE ${PROJECT_BINARY_DIR}/debian/changelog "${debian}\n")
    zel_days_since_1970(${newest_date} days)
    math(EXPR epoch "${days} * 86400")
    set(ZEL_RELEASE_DATE ${newest_date} PARENT_SCOPE)
    set(ZEL_RELEASE_EPOCH ${epoch} PARENT_SCOPE)
    set(ZEL_APPSTREAM_RELEASES "${appstream}" PARENT_SCOPE)
endfunction()
