# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one fuzzer for SECONDS seconds from the seed SEED (0: a random one) over a scratch copy of
# its corpus, so that what it learns never lands in the source tree. A crash or a broken
# property fails the run and leaves the input under ARTIFACTS. OPTIONS adds libFuzzer flags of
# the fuzzer's own.
foreach(variable FUZZER CORPUS SCRATCH ARTIFACTS SECONDS SEED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "RunFuzzer.cmake needs -D${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH} ${ARTIFACTS})
file(COPY ${CORPUS}/ DESTINATION ${SCRATCH})

execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -seed=${SEED} -timeout=10 -print_final_stats=1
            -artifact_prefix=${ARTIFACTS}/ ${OPTIONS} ${SCRATCH}
    RESULT_VARIABLE result)
file(REMOVE_RECURSE ${SCRATCH})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${ARTIFACTS}")
endif()
