# Golden tests of merrowin-cli nest: the hand plot listing of a pattern run of the default hull
# laid out by a layout file and written as the nested listing (time and date masked), other
# sheet sizes, and the faults (exit status 1) and usage errors (exit status 2).
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P nest.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
set(GOLDEN "${DATA}/cli/nest")

# The listing against its golden file with the time and date masked, and every line ended with
# CR LF (file(READ) drops the CR, so the ends are checked on the bytes).
function(expect_listing file golden)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "the run wrote no ${file}")
    endif()
    file(READ "${file}" text)
    string(REGEX REPLACE " / [0-9][0-9]:[0-9][0-9]:[0-9][0-9] / [0-9][0-9]-[0-9][0-9]-[0-9]+\n"
                         " / hh:mm:ss / mm-dd-yyyy\n" text "${text}")
    file(READ "${golden}" expected)
    if(NOT text STREQUAL expected)
        message(FATAL_ERROR "${file} differs from ${golden}")
    endif()
    file(READ "${file}" bytes HEX)
    string(REPLACE "0d0a" "" rest "${bytes}")
    string(FIND "${rest}" "0a" lone)
    if(NOT lone EQUAL -1)
        message(FATAL_ERROR "${file} has a line not ended with CR LF")
    endif()
endfunction()

# 1. A pattern run's listing, three sheets of 48 x 96, written to nest.txt by default.
run_cli(0 out new boat.hul)
run_cli(0 out patterns boat.hul)
file(COPY "${GOLDEN}/layout.txt" "${GOLDEN}/transom.txt" DESTINATION "${WORK}")
run_cli(0 out nest handplot.txt layout.txt)
if(NOT out STREQUAL "nest.txt\n")
    message(FATAL_ERROR "nest printed '${out}', expected the listing's name")
endif()
expect_listing("${WORK}/nest.txt" "${GOLDEN}/nest_default.txt")

# 2. Short sheets: the transom (names compared without regard to case) runs over two of them.
run_cli(0 out nest handplot.txt transom.txt -o short.txt --sheets 4 --width 40 --length 25)
expect_listing("${WORK}/short.txt" "${GOLDEN}/nest_short.txt")

# 3. Faults in the layout (exit 1, nothing written) and a listing that cannot be written.
file(WRITE "${WORK}/unknown.txt" "transom.uc 1 1\nstem.uc 2 2\n")
file(WRITE "${WORK}/twice.txt" "transom.uc 1 1\nTRANSOM.UC 2 2\n")
file(WRITE "${WORK}/steps.txt" "transom.uc 1 1 45\n")
foreach(layout unknown.txt twice.txt steps.txt)
    run_cli(1 out nest handplot.txt ${layout} -o fault.txt)
endforeach()
run_cli(1 out nest handplot.txt layout.txt -o missing/nest.txt)
if(EXISTS "${WORK}/fault.txt")
    message(FATAL_ERROR "a faulty layout wrote a listing")
endif()

# 4. Usage errors and files that cannot be read (exit 2).
run_cli(2 out nest)
run_cli(2 out nest handplot.txt)
run_cli(2 out nest handplot.txt layout.txt --sheets 6)
run_cli(2 out nest handplot.txt layout.txt --width 0)
run_cli(2 out nest handplot.txt layout.txt --pdf)
run_cli(2 out nest missing.txt layout.txt)
run_cli(2 out nest handplot.txt missing.txt)
