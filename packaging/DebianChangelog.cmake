# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the Debian changelog of the package from the project's CHANGELOG.md: one entry per
# "## VERSION - YYYY-MM-DD" heading, its "- " items as "  * " items. A native package's
# changelog is the Debian one, so it must read as debian/changelog does.
# Usage: cmake -DCHANGELOG=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=name -DMAINTAINER="N <m>"
#              -P DebianChangelog.cmake
cmake_minimum_required(VERSION 3.25)

# The day of the week of a date, by Sakamoto's method; 0 is Sunday.
function(day_of_week year month day outVar)
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    if(month LESS 3)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR weekday
         "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
    set(${outVar} ${weekday} PARENT_SCOPE)
endfunction()

set(dayNames Sun Mon Tue Wed Thu Fri Sat)
set(monthNames Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

include(${CMAKE_CURRENT_LIST_DIR}/TextLines.cmake)
read_text_lines(${CHANGELOG} lines)

set(text "")
set(entry "")

# Ends the entry being written with its trailer line.
macro(close_entry)
    if(NOT entry STREQUAL "")
        string(APPEND text "\n -- ${MAINTAINER}  ${entry}\n")
        set(entry "")
    endif()
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9][0-9.]*) - ([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        close_entry()
        set(version ${CMAKE_MATCH_1})
        set(year ${CMAKE_MATCH_2})
        set(dayText ${CMAKE_MATCH_4})
        # Leading zeros would make math() read octal.
        set(month ${CMAKE_MATCH_3})
        string(REGEX REPLACE "^0" "" month ${month})
        string(REGEX REPLACE "^0" "" day ${dayText})
        day_of_week(${year} ${month} ${day} weekday)
        list(GET dayNames ${weekday} dayName)
        math(EXPR monthIndex "${month} - 1")
        list(GET monthNames ${monthIndex} monthName)
        if(NOT text STREQUAL "")
            string(APPEND text "\n")
        endif()
        string(APPEND text "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
        set(entry "${dayName}, ${dayText} ${monthName} ${year} 12:00:00 +0000")
    elseif(line MATCHES "^## ")
        message(FATAL_ERROR "${CHANGELOG}: heading not of the form '## VERSION - YYYY-MM-DD': "
                            "${line}")
    elseif(NOT entry STREQUAL "" AND line MATCHES "^- (.*)$")
        string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(NOT entry STREQUAL "" AND line MATCHES "^  (.*)$")
        string(APPEND text "    ${CMAKE_MATCH_1}\n")
    elseif(NOT entry STREQUAL "" AND NOT line STREQUAL "")
        message(FATAL_ERROR "${CHANGELOG}: not an item or its continuation: ${line}")
    endif()
endforeach()
close_entry()

if(text STREQUAL "")
    message(FATAL_ERROR "${CHANGELOG} has no release entry")
endif()
text_from_lines("${text}" text)
file(WRITE ${OUTPUT} "${text}")
