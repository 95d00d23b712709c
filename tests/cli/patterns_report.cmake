# The panel report of merrowin-cli patterns: panels.txt written with the run, the same report as
# JSON on stdout with --json, tolerances from --tolerance, and the usage errors of both options.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P patterns_report.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/cli/patterns_report")
file(COPY "${DATA}/skiff6.hul" DESTINATION "${WORK}")

# golden_report(NAME args...): the JSON on stdout and the panels.txt of the same run.
function(golden_report name)
    run_cli(0 out patterns skiff6.hul --keel --deck --json ${ARGN})
    file(WRITE "${WORK}/${name}.json" "${out}")
    expect_same_file("${WORK}/${name}.json" "${GOLDEN}/${name}.json")
    expect_same_file("${WORK}/panels.txt" "${GOLDEN}/${name}.txt")
endfunction()

# 1. The default tolerances; the skiff's bow twists its lower panels beyond them.
golden_report(default)
# 2. Wide tolerances pass every panel, and the report says which it used.
golden_report(wide --tolerance 1,0.5)

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
