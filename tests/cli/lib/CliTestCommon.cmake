# What every command-line golden test script shares: a fresh scratch folder WORK, running
# merrowin-cli with its exit status checked, and file comparisons.
# Included by the scripts in tests/cli, which run as:
#   cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P <script>
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# run_cli_in(FOLDER STATUS OUT_VAR args...): runs merrowin-cli in FOLDER, checks its exit status
# (and that a usage error, status 2, says something on stderr), and returns its standard output.
function(run_cli_in folder expected out_var)
    execute_process(COMMAND "${CLI}" ${ARGN} WORKING_DIRECTORY "${folder}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected)
        message(FATAL_ERROR "merrowin-cli ${ARGN}: exit ${status}, expected ${expected}\n${err}")
    endif()
    if(expected EQUAL 2 AND err STREQUAL "")
        message(FATAL_ERROR "merrowin-cli ${ARGN}: no message on stderr")
    endif()
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# run_cli(STATUS OUT_VAR args...): the same in WORK.
function(run_cli expected out_var)
    run_cli_in("${WORK}" ${expected} out ${ARGN})
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# expect_same_file(ACTUAL EXPECTED [--ignore-eol]): the two files byte for byte.
function(expect_same_file actual expected)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files ${ARGN} "${actual}" "${expected}"
                    RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${actual} differs from ${expected}")
    endif()
endfunction()

# expect_exists(FOLDER names...): every named file is there.
function(expect_exists folder)
    foreach(name ${ARGN})
        if(NOT EXISTS "${folder}/${name}")
            message(FATAL_ERROR "the run wrote no ${name} in ${folder}")
        endif()
    endforeach()
endfunction()
