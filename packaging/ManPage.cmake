# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the manual page from its template, with the CONTROLS section made from the README's
# controls table (the "| who | control | what it does |" table under "## How to play") and the
# paragraph that follows it, and the date of the newest release in CHANGELOG.md.
# Usage: cmake -DTEMPLATE=skirmora.6.in -DREADME=README.md -DCHANGELOG=CHANGELOG.md
#              -DVERSION=0.2 -DOUTPUT=skirmora.6 -P ManPage.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/TextLines.cmake)

# Markdown text as roff text: code spans lose their backquotes, backslashes are escaped and a
# line may not start with a control character.
function(roff_text text outVar)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "`" "" text "${text}")
    string(REPLACE "\"" "\\(dq" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${outVar} "${text}" PARENT_SCOPE)
endfunction()

read_text_lines(${README} lines)
set(section "")
set(state before)  # before the table, in it, in the paragraph after it, done
set(controls "")
set(rows 0)
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^## (.*)$")
        set(section "${CMAKE_MATCH_1}")
        continue()
    endif()
    if(NOT section STREQUAL "How to play" OR state STREQUAL done)
        continue()
    endif()
    if(state STREQUAL before AND line MATCHES "^\\| *who *\\| *control *\\| *what it does *\\|$")
        set(state table)
    elseif(state STREQUAL table AND line MATCHES "^\\|[-| :]+\\|$")
        # the row under the header
    elseif(state STREQUAL table AND line MATCHES "^\\|([^|]*)\\|([^|]*)\\|([^|]*)\\|$")
        string(STRIP "${CMAKE_MATCH_1}" who)
        string(STRIP "${CMAKE_MATCH_2}" control)
        string(STRIP "${CMAKE_MATCH_3}" effect)
        roff_text("${who}" who)
        roff_text("${control}" control)
        roff_text("${effect}" effect)
        string(APPEND controls ".TP\n.B ${control}\n${who}: ${effect}.\n")
        math(EXPR rows "${rows} + 1")
    elseif(state STREQUAL table AND line STREQUAL "")
        set(state after)
    elseif(state STREQUAL table)
        message(FATAL_ERROR "${README}: not a row of the controls table: ${line}")
    elseif(state STREQUAL after AND NOT line STREQUAL "")
        roff_text("${line}" line)
        # One sentence a line, as roff wants it to tell sentence ends from abbreviations.
        string(REGEX REPLACE "([.!?]) +" "\\1\n" line "${line}")
        if(NOT controls MATCHES "\\.PP\n")
            string(APPEND controls ".PP\n")
        endif()
        string(APPEND controls "${line}\n")
    elseif(state STREQUAL after AND controls MATCHES "\\.PP\n")
        set(state done)
    endif()
endforeach()
if(rows EQUAL 0)
    message(FATAL_ERROR "${README} has no controls table under '## How to play'")
endif()

read_text_lines(${CHANGELOG} changelogLines)
set(releaseDate "")
foreach(line IN LISTS changelogLines)
    if(line MATCHES "^## [0-9][0-9.]* - ([0-9-]+)$")
        set(releaseDate ${CMAKE_MATCH_1})
        break()
    endif()
endforeach()
if(releaseDate STREQUAL "")
    message(FATAL_ERROR "${CHANGELOG} has no release entry")
endif()

text_from_lines("${controls}" SKIRMORA_CONTROLS)
string(REGEX REPLACE "\n$" "" SKIRMORA_CONTROLS "${SKIRMORA_CONTROLS}")
set(SKIRMORA_RELEASE_DATE ${releaseDate})
set(PROJECT_VERSION ${VERSION})
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
