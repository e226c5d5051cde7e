# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The optimised builds are hardened as Debian builds its packages: with the flags that
# dpkg-buildflags gives for every hardening feature, where it exists, and beyond them each
# protection this compiler offers that the release's dpkg does not ask for yet (Debian 12's
# leaves out stack clash and control-flow protection). The build type keeps deciding the
# optimisation level and the debug information. The checked string and memory functions need
# optimisation and would only get in the way of the sanitizers, so sanitizer builds take none
# of this.

include(CheckCXXCompilerFlag)

# The flags dpkg-buildflags gives for one of its variables, as a list, less optimisation
# levels and debug information. dpkg tells the architecture the flags are for by asking CC
# which machine it builds for: this build's compiler is named, so that a cross build gets the
# flags of the architecture it builds for, not of the machine it runs on.
function(skirmora_dpkg_buildflags result variable)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                CC=${CMAKE_CXX_COMPILER} ${SKIRMORA_DPKG_BUILDFLAGS} --get ${variable}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O[0-9a-z]*|g[0-9a-z]*)$")
    set(${result} ${flags} PARENT_SCOPE)
endfunction()

function(skirmora_harden_optimised_builds)
    find_program(SKIRMORA_DPKG_BUILDFLAGS dpkg-buildflags)
    if(SKIRMORA_DPKG_BUILDFLAGS)
        skirmora_dpkg_buildflags(preprocessor CPPFLAGS)
        skirmora_dpkg_buildflags(compiler CXXFLAGS)
        skirmora_dpkg_buildflags(linker LDFLAGS)
    else()
        set(preprocessor -D_FORTIFY_SOURCE=2)
        set(compiler -fstack-protector-strong)
        set(linker -Wl,-z,relro -Wl,-z,now)
    endif()
    # A toolchain that defines its own level of checked functions would warn of a redefinition.
    list(PREPEND preprocessor -U_FORTIFY_SOURCE)

    foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
        string(MAKE_C_IDENTIFIER "SKIRMORA_HAS${flag}" known)
        list(FIND compiler ${flag} given)
        if(given EQUAL -1)
            check_cxx_compiler_flag(${flag} ${known})
            if(${known})
                list(APPEND compiler ${flag})
            endif()
        endif()
    endforeach()

    set(optimised "$<CONFIG:Release,RelWithDebInfo>")
    add_compile_options("$<${optimised}:${preprocessor};${compiler}>")
    add_link_options("$<${optimised}:${compiler};${linker}>")
    set(shown ${preprocessor} ${compiler} ${linker})
    list(JOIN shown " " shown)
    message(STATUS "Hardening of optimised builds: ${shown}")
endfunction()
