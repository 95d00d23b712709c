# Golden tests of merrowin-cli new and geometry: the default hull written and read back, fixture
# hull files of every layout, and the usage and missing-file errors (exit status 2).
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P new_geometry.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/cli")

# geometry_golden(HULL NAME): prints the geometry of HULL and compares it with NAME.txt.
function(geometry_golden hull name)
    run_cli(0 out geometry "${hull}")
    file(WRITE "${WORK}/${name}.txt" "${out}")
    expect_same_file("${WORK}/${name}.txt" "${GOLDEN}/${name}.txt")
endfunction()

# The default hull, four chines: the file byte for byte (CR LF, 244 lines), then its geometry.
run_cli(0 out new default.hul)
expect_same_file("${WORK}/default.hul" "${GOLDEN}/new_default.hul")
geometry_golden(default.hul geometry_default)

# Eight chines by an absolute name: chines 7 and 8 continue the two below them.
run_cli(0 out new "${WORK}/eight.hul" --chines 8)
geometry_golden("${WORK}/eight.hul" geometry_chines8)
run_cli(0 out new clamped.hul --chines 45)
geometry_golden(clamped.hul geometry_chines30)

# Fixtures, copied first: reading repairs commas in the file itself.
foreach(fixture skiff6 older_layout decimal_comma)
    file(COPY "${DATA}/${fixture}.hul" DESTINATION "${WORK}")
    geometry_golden(${fixture}.hul geometry_${fixture})
endforeach()
file(READ "${WORK}/decimal_comma.hul" repaired)
string(FIND "${repaired}" "," comma)
if(NOT comma EQUAL -1)
    message(FATAL_ERROR "decimal_comma.hul still holds a comma after the read")
endif()

# Errors: a missing file, and arguments that are not what the command takes (the option rules
# the commands share, a missing value, a repeated or unknown option, are the hydro script's).
run_cli(2 out geometry missing.hul)
run_cli(2 out geometry)
run_cli(2 out new bad.hul other.hul)
run_cli(2 out new bad.hul --chines 4.5x)
if(EXISTS "${WORK}/bad.hul")
    message(FATAL_ERROR "a refused command wrote its file")
endif()
