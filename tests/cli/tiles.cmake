# Tests of merrowin-cli tiles that need no PDF output: the pieces a pattern run leaves to print,
# the usage errors, and, in a build without PDF output, what every PDF command says.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -DPDF=ON|OFF
#         -P tiles.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")

# 1. No pattern run yet: nothing to list. After one: its pieces, in the hand plot order, without
#    the sheet outline and the waterplane.
run_cli(0 out new boat.hul)
run_cli(0 out tiles boat.hul --list)
if(NOT out STREQUAL "")
    message(FATAL_ERROR "pieces listed before any pattern run: '${out}'")
endif()
run_cli(0 out patterns boat.hul --stem --keel --soles --frames 40,70)
run_cli(0 out hydro boat.hul --waterline 4)
run_cli(0 out tiles boat.hul --list)
file(WRITE "${WORK}/list.txt" "${out}")
expect_same_file("${WORK}/list.txt" "${DATA}/cli/tiles/pieces.txt")

# 2. Usage errors (exit 2, whatever the build).
run_cli(2 out tiles)
run_cli(2 out tiles boat.hul)
run_cli(2 out tiles boat.hul -o)
run_cli(2 out tiles boat.hul -o out.pdf --list)
run_cli(2 out tiles boat.hul -o out.pdf --paper legal)
run_cli(2 out tiles boat.hul -o out.pdf --units cm)
run_cli(2 out tiles boat.hul -o out.pdf --pieces stem,,keel)
run_cli(2 out tiles boat.hul -o out.pdf --pieces ,stem)
run_cli(2 out tiles missing.hul --list)
run_cli(2 out nest handplot.txt missing.txt --pdf)

# 3. Without PDF output the PDF commands say so, exit 2 and write nothing.
if(NOT PDF)
    file(COPY "${DATA}/cli/nest/layout.txt" DESTINATION "${WORK}")
    foreach(command "tiles;boat.hul;-o;out.pdf" "nest;handplot.txt;layout.txt;--pdf;out.pdf")
        execute_process(COMMAND "${CLI}" ${command} WORKING_DIRECTORY "${WORK}"
                        RESULT_VARIABLE status OUTPUT_VARIABLE ignored ERROR_VARIABLE err)
        if(NOT status EQUAL 2 OR NOT err STREQUAL "merrowin-cli: built without PDF support\n")
            message(FATAL_ERROR "${command}: exit ${status}, '${err}'")
        endif()
    endforeach()
    if(EXISTS "${WORK}/out.pdf" OR EXISTS "${WORK}/nest.txt")
        message(FATAL_ERROR "a PDF command of a build without PDF output wrote a file")
    endif()
endif()
