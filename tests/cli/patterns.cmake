# Golden tests of merrowin-cli patterns: a full run on a fixture hull compared file by file (the
# header date masked), frame boxes clamped and saved, a run without expansions, the usage errors
# (exit status 2), and runs that cannot finish (exit status 1) leaving the earlier files as they
# were.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P patterns.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/patterns_cli")

# A fresh folder holding a copy of the fixture hull.
function(fresh_folder folder)
    file(REMOVE_RECURSE "${folder}")
    file(MAKE_DIRECTORY "${folder}")
    file(COPY "${DATA}/skiff6.hul" DESTINATION "${folder}")
endfunction()

function(read_masked file out_var)
    file(READ "${file}" text)
    string(REGEX REPLACE "[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]" "mm-dd-yyyy" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

function(expect_golden folder name)
    if(NOT EXISTS "${folder}/${name}")
        message(FATAL_ERROR "the run wrote no ${name}")
    endif()
    read_masked("${folder}/${name}" actual)
    file(READ "${GOLDEN}/${name}" expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${folder}/${name} differs from ${GOLDEN}/${name}")
    endif()
endfunction()

# Line N (from 1) of a file, CR LF ends.
function(file_line file number out_var)
    file(STRINGS "${file}" lines)
    math(EXPR index "${number} - 1")
    list(GET lines ${index} line)
    string(REPLACE "\r" "" line "${line}")
    set(${out_var} "${line}" PARENT_SCOPE)
endfunction()

# 1. Stem, keel and spar with the frames the hull file holds (20 and 45), labels from the
#    shipped font.
set(run1 "${WORK}/full")
fresh_folder("${run1}")
run_cli_in("${run1}" 0 out patterns skiff6.hul --stem --keel --spar)
foreach(name bhead2.uc frame1.uc Stem.uc transom.uc 4x8.uc chine3.tri keel.tri)
    expect_golden("${run1}" ${name})
endforeach()
expect_exists("${run1}" skiff6.DXF handplot.txt chine1.UC keel.UC default.hul)
if(EXISTS "${run1}/chine6.tri" OR EXISTS "${run1}/deck.tri" OR EXISTS "${run1}/frame3.uc")
    message(FATAL_ERROR "the run wrote a piece that was not asked for")
endif()
file(READ "${run1}/skiff6.hul" saved)
file(READ "${run1}/default.hul" copied)
if(NOT saved STREQUAL copied)
    message(FATAL_ERROR "default.hul is not a copy of the saved hull")
endif()

# 2. Frames from the command line: 0 makes none, -24 a frame at 24, 500 is pulled back to the
#    shortest chine's end (140) and saved so; half frames without labels.
set(run2 "${WORK}/frames")
fresh_folder("${run2}")
run_cli_in("${run2}" 0 out patterns skiff6.hul --half-frames --no-text --frames 0,-24,500)
expect_exists("${run2}" frame2.uc frame3.uc)
if(EXISTS "${run2}/frame1.uc")
    message(FATAL_ERROR "a frame box holding 0 wrote a frame file")
endif()
# The frame positions are lines 327 to 334 of a six-chine hull file.
file_line("${run2}/skiff6.hul" 328 second)
file_line("${run2}/skiff6.hul" 329 third)
if(NOT second STREQUAL " 24 " OR NOT third STREQUAL " 140 ")
    message(FATAL_ERROR "saved frame stations '${second}' and '${third}', expected 24 and 140")
endif()
file(READ "${run2}/bhead1.uc" half)
string(FIND "${half}" "1 pendown" labelled)
if(NOT labelled EQUAL -1)
    message(FATAL_ERROR "--no-text still wrote a label")
endif()

# 3. Without expansions only the hull is saved: older pattern files stay untouched.
set(run3 "${WORK}/save_only")
fresh_folder("${run3}")
file(WRITE "${run3}/old.uc" "start_plot\n")
run_cli_in("${run3}" 0 out patterns skiff6.hul --no-expansions --dxf)
expect_exists("${run3}" old.uc default.hul skiff6.hul)
file(GLOB written "${run3}/*.tri" "${run3}/bhead*" "${run3}/*.DXF" "${run3}/*.dxf")
if(written)
    message(FATAL_ERROR "a run without expansions wrote ${written}")
endif()

# 4. Errors: nothing the command does not take, and a hull file that is not there.
set(run4 "${WORK}/errors")
fresh_folder("${run4}")
run_cli_in("${run4}" 2 out patterns)
run_cli_in("${run4}" 2 out patterns missing.hul)
run_cli_in("${run4}" 2 out patterns skiff6.hul --colour)
run_cli_in("${run4}" 2 out patterns skiff6.hul other.hul)
run_cli_in("${run4}" 2 out patterns skiff6.hul --frames)
run_cli_in("${run4}" 2 out patterns skiff6.hul --frames 10,x)
run_cli_in("${run4}" 2 out patterns skiff6.hul --frames 10,,20)
run_cli_in("${run4}" 2 out patterns skiff6.hul --frames 1,2,3,4,5,6,7,8,9)
run_cli_in("${run4}" 2 out patterns skiff6.hul --export-path)
file(GLOB written "${run4}/*.uc" "${run4}/*.tri" "${run4}/default.hul")
if(written)
    message(FATAL_ERROR "a refused command wrote ${written}")
endif()

# 5. A run that cannot write a file (a folder where a plot file, a triangulation file or
#    "default.hul" goes) exits 1 and says which; the core tests check that the earlier run's
#    files stay as they were.
set(base "${WORK}/before_failure")
fresh_folder("${base}")
run_cli_in("${base}" 0 out patterns skiff6.hul --dxf --hpgl)
foreach(blocked bhead1.uc chine1.tri default.hul)
    file(REMOVE "${base}/${blocked}")
    file(MAKE_DIRECTORY "${base}/${blocked}")
    execute_process(COMMAND "${CLI}" patterns skiff6.hul --dxf --hpgl WORKING_DIRECTORY "${base}"
                    RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err STREQUAL "merrowin-cli: Could not write ${blocked}\n")
        message(FATAL_ERROR "a folder named ${blocked}: exit ${status}, '${err}'")
    endif()
    file(REMOVE_RECURSE "${base}/${blocked}")
endforeach()

# 6. The panel report goes with every run that develops panels, and only with those.
expect_exists("${run1}" panels.txt)
if(EXISTS "${run3}/panels.txt")
    message(FATAL_ERROR "a run without expansions wrote panels.txt")
endif()
