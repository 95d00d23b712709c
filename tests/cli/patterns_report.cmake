# The panel report of merrowin-cli patterns: panels.txt written with the run, the same report as
# JSON on stdout with --json (read by Python's json module, which must find no NaN, infinity or
# null), tolerances from --tolerance, and the usage errors of both options.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P patterns_report.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
file(COPY "${DATA}/skiff6.hul" DESTINATION "${WORK}")
set(PANELS "deck,keel,chine1,chine2,chine3,chine4,chine5")

# check_report(JSON_TEXT [SEAM LENGTH]): the JSON against the panels.txt of the same run.
function(check_report json)
    file(WRITE "${WORK}/report.json" "${json}")
    # Debian's Python: the first python3 on the PATH may not be it.
    execute_process(COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/patterns_report.py"
                            "${WORK}/report.json" "${WORK}/panels.txt" "${PANELS}" ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the panel report does not hold:\n${out}${err}")
    endif()
endfunction()

# 1. The default tolerances; the skiff's bow twists its lower panels beyond them.
run_cli(0 out patterns skiff6.hul --keel --deck --json)
check_report("${out}")
string(FIND "${out}" "fails the length tolerance" fails)
if(fails EQUAL -1)
    message(FATAL_ERROR "the skiff's twisted bow panels pass the default tolerances")
endif()

# 2. Wide tolerances pass every panel, and the report says which it used.
run_cli(0 out patterns skiff6.hul --keel --deck --json --tolerance 1,0.5)
check_report("${out}" 1 0.5)

# 3. Without --json nothing goes to stdout, and the report file is still written.
file(REMOVE "${WORK}/panels.txt")
run_cli(0 out patterns skiff6.hul)
expect_exists("${WORK}" panels.txt)
if(NOT out STREQUAL "")
    message(FATAL_ERROR "patterns without --json wrote '${out}'")
endif()

# 4. Usage errors: tolerances must be two positive numbers, and a run without expansions has no
#    panels to report on.
foreach(bad "0,1" "1" "a,b" "1,2,3" "-1,1" "1,inf" ",1" "1,")
    run_cli(2 out patterns skiff6.hul --tolerance ${bad})
endforeach()
run_cli(2 out patterns skiff6.hul --tolerance)
run_cli(2 out patterns skiff6.hul --json --no-expansions)
run_cli(2 out patterns skiff6.hul --tolerance 1,1 --tolerance 2,2)
