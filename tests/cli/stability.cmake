# Golden tests of merrowin-cli stability: a box hull's report, table and JSON, the same curve
# asked by weight, the default hull's curve and the usage errors.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P stability.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/cli/stability")
file(COPY "${GOLDEN}/box.hul" "${DATA}/cli/hydro/default.hul" DESTINATION "${WORK}")

function(golden name)
    run_cli(0 out ${ARGN})
    file(WRITE "${WORK}/${name}" "${out}")
    expect_same_file("${WORK}/${name}" "${GOLDEN}/${name}")
endfunction()

# The box (48 in. wide, 20 high, 120 long) at a 12-inch draft with its centre of gravity 8 in.
# up: deck edge under at atan(8 / 24), 18.43 degrees.
golden(box_12.txt stability box.hul --waterline 12 --vcg 8 --lcg 60)
golden(box_12.csv stability box.hul --waterline 12 --vcg 8 --lcg 60 --to 18 --step 1.5 --csv)
golden(box_12.json stability box.hul --waterline 12 --vcg 8 --lcg 60 --to 21 --step 1.5 --json)
# The same weight given as a target is the same curve.
run_cli(0 by_weight stability box.hul --target 2492.6587012987 --vcg 8 --lcg 60)
file(READ "${GOLDEN}/box_12.txt" by_waterline)
if(NOT by_weight STREQUAL by_waterline)
    message(FATAL_ERROR "by weight:\n${by_weight}\nexpected as at the waterline:\n${by_waterline}")
endif()

# The default hull with the heel analysis's centre of gravity, past its deck edge to 180.
golden(default_6.txt stability default.hul --waterline 6 --to 180 --step 10 --seawater)

# Errors: both or neither weight, both outputs, angles out of range, text for a number, and a
# file that is not there.
foreach(args "--waterline;12;--target;100" "" "--waterline;12;--json;--csv"
             "--waterline;12;--to;0" "--waterline;12;--step;0" "--waterline;12;--to;200"
             "--waterline;12;--vcg;high" "--waterline;12;--angle;5")
    run_cli(2 out stability box.hul ${args})
endforeach()
run_cli(2 out stability missing.hul --waterline 12)
