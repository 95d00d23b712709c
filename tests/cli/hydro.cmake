# Golden tests of merrowin-cli hydro, displacement, heel and transform on the default hull, the
# waterplane plot file they write, a waterplane file that cannot be written (exit status 1), and
# the usage and missing-file errors (exit status 2).
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P hydro.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/cli/hydro")
# Reading a hull file repairs it in place: the commands read a copy.
file(COPY "${GOLDEN}/default.hul" DESTINATION "${WORK}")

# golden(NAME args...): the command's standard output compared with NAME.
function(golden name)
    run_cli(0 out ${ARGN})
    file(WRITE "${WORK}/${name}" "${out}")
    expect_same_file("${WORK}/${name}" "${GOLDEN}/${name}")
endfunction()

# json_golden(NAME args...): the command's JSON compared with NAME: the status and the report
# exactly, the values (printed with full precision) in their first 12 characters, so that a
# last-digit change in the curves upstream does not fail the test.
function(json_golden name)
    run_cli(0 out ${ARGN})
    file(READ "${GOLDEN}/${name}" expected)
    foreach(part status report)
        string(JSON got GET "${out}" ${part})
        string(JSON want GET "${expected}" ${part})
        if(NOT got STREQUAL want)
            message(FATAL_ERROR "${name}: ${part} is\n${got}\nexpected\n${want}")
        endif()
    endforeach()
    string(JSON count LENGTH "${expected}" values)
    string(JSON got_count LENGTH "${out}" values)
    if(NOT count EQUAL got_count)
        message(FATAL_ERROR "${name}: ${got_count} values, expected ${count}")
    endif()
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON key MEMBER "${expected}" values ${i})
        string(JSON want GET "${expected}" values ${key})
        string(JSON got GET "${out}" values ${key})
        string(SUBSTRING "${want}" 0 12 want)
        string(SUBSTRING "${got}" 0 12 got)
        if(NOT got STREQUAL want)
            message(FATAL_ERROR "${name}: ${key} is ${got}..., expected ${want}...")
        endif()
    endforeach()
endfunction()

# Upright at 8 inches, then in salt water as JSON.
golden(hydro_8.txt hydro default.hul --waterline 8)
# The waterplane file of that run: 31 lines ending in CR LF, and their text with the date masked.
file(READ "${WORK}/watrplne.uc" plot_hex HEX)
string(REGEX MATCHALL "0d0a" line_ends "${plot_hex}")
list(LENGTH line_ends line_count)
if(NOT line_count EQUAL 31)
    message(FATAL_ERROR "watrplne.uc has ${line_count} CR LF line ends, expected 31")
endif()
file(READ "${WORK}/watrplne.uc" plot)
string(REGEX REPLACE "TARVO: [0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9] " "TARVO: DATE " plot
       "${plot}")
file(WRITE "${WORK}/watrplne_8.uc" "${plot}")
expect_same_file("${WORK}/watrplne_8.uc" "${GOLDEN}/watrplne_8.uc" --ignore-eol)
json_golden(hydro_8_sea.json hydro default.hul --waterline 8 --seawater --json)
# Waterlines through typed points of the profile: a stem chine at 6, the transom's chine 2 at 5,
# the keel's fore end at 1.3; no part of the profile is lost or counted twice there (the lateral
# values are the clipped outline's shoelace area and centroid).
foreach(waterline 6 5 1.3)
    json_golden(hydro_${waterline}.json hydro default.hul --waterline ${waterline} --json)
endforeach()
# Above the lowest sheer point: brought down one tenth below it, as the slider is.
golden(hydro_sunk.txt hydro default.hul --waterline 40)

golden(displacement_500.txt displacement default.hul --target 500)
json_golden(displacement_500_sea.json displacement default.hul --target 500 --seawater --json)

golden(heel_6_20.txt heel default.hul --waterline 6 --angle 20)
json_golden(heel_6_20.json heel default.hul --waterline 6 --angle 20 --json)
# A waterline above the hull is held to the top of the range as the slider holds it, and the
# sunk limit then brings it below the lowest sheer point: the same run as from there.
run_cli(0 above heel default.hul --waterline 40 --angle 20)
run_cli(0 top heel default.hul --waterline 28.8 --angle 20)
if(NOT above STREQUAL top)
    message(FATAL_ERROR "heel from above the hull:\n${above}\nexpected as from 28.8:\n${top}")
endif()

# Rescaled and pitched hulls, byte for byte.
run_cli(0 out transform default.hul -o overall70_pitch5.hul --overall 70 --pitch 5)
expect_same_file("${WORK}/overall70_pitch5.hul" "${GOLDEN}/overall70_pitch5.hul")
run_cli(0 out transform default.hul -o beam30.hul --beam 30)
expect_same_file("${WORK}/beam30.hul" "${GOLDEN}/beam30.hul")
# No transformation: the hull as read.
run_cli(0 out transform default.hul -o same.hul)
expect_same_file("${WORK}/same.hul" "${GOLDEN}/default.hul")

# A waterplane file that cannot be written fails each command that runs the waterline, after its
# report.
file(MAKE_DIRECTORY "${WORK}/unwritable/watrplne.uc")
file(COPY "${GOLDEN}/default.hul" DESTINATION "${WORK}/unwritable")
foreach(command "hydro;--waterline;6" "displacement;--target;300" "heel;--waterline;6;--angle;20")
    list(POP_FRONT command name)
    execute_process(COMMAND "${CLI}" ${name} default.hul ${command}
                    WORKING_DIRECTORY "${WORK}/unwritable" RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err MATCHES "Could not write watrplne.uc" OR out STREQUAL "")
        message(FATAL_ERROR "${name} with watrplne.uc unwritable: exit ${status}, said: ${err}")
    endif()
endforeach()

# Errors: a missing file, and arguments that are not exactly what the command takes (the shared
# argument rules are the geometry script's, the numbers the numbers script's).
run_cli(2 out hydro missing.hul --waterline 8)
run_cli(2 out hydro default.hul)
run_cli(2 out displacement default.hul --waterline 8)
run_cli(2 out heel default.hul --angle 10)
run_cli(2 out transform default.hul --overall 70)
run_cli(2 out transform default.hul -o out.hul --overall 70 --beam 30)
run_cli(2 out transform default.hul -o out.hul --json)
if(EXISTS "${WORK}/out.hul")
    message(FATAL_ERROR "a refused transform wrote its output")
endif()
