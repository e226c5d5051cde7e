# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reading a text file as a CMake list of its lines, for the scripts that make documents from
# the project's Markdown files. The characters that a list treats specially (";", "[" and "]")
# are stood in for while the text is a list; text_from_lines() puts them back.

string(ASCII 29 textLinesSemicolon)
string(ASCII 30 textLinesOpenBracket)
string(ASCII 31 textLinesCloseBracket)

function(read_text_lines file outVar)
    file(READ ${file} content)
    string(REPLACE ";" "${textLinesSemicolon}" content "${content}")
    string(REPLACE "[" "${textLinesOpenBracket}" content "${content}")
    string(REPLACE "]" "${textLinesCloseBracket}" content "${content}")
    string(REPLACE "\n" ";" content "${content}")
    set(${outVar} "${content}" PARENT_SCOPE)
endfunction()

function(text_from_lines text outVar)
    string(REPLACE "${textLinesSemicolon}" ";" text "${text}")
    string(REPLACE "${textLinesOpenBracket}" "[" text "${text}")
    string(REPLACE "${textLinesCloseBracket}" "]" text "${text}")
    set(${outVar} "${text}" PARENT_SCOPE)
endfunction()
