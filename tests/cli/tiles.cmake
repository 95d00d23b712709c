# merrowin-cli tiles without PDF output: the pieces a pattern run leaves to print, usage errors,
# and in a build without PDF output what the PDF commands say.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -DPDF=ON|OFF
#         -P tiles.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")

# The run's pieces in the hand plot order, without the sheet outline and the waterplane.
run_cli(0 out new boat.hul)
run_cli(0 out patterns boat.hul --stem --keel --soles --frames 40,70)
run_cli(0 out hydro boat.hul --waterline 4)
run_cli(0 out tiles boat.hul --list)
file(WRITE "${WORK}/list.txt" "${out}")
expect_same_file("${WORK}/list.txt" "${DATA}/cli/tiles/pieces.txt")

foreach(wrong "" "-o;out.pdf;--list" "-o;out.pdf;--paper;legal" "-o;out.pdf;--units;cm"
        "-o;out.pdf;--pieces;stem,,keel")
    run_cli(2 out tiles boat.hul ${wrong})
endforeach()

if(NOT PDF)
    file(COPY "${DATA}/cli/nest/layout.txt" DESTINATION "${WORK}")
    foreach(command "tiles;boat.hul;-o;out.pdf" "nest;handplot.txt;layout.txt;--pdf;out.pdf")
        execute_process(COMMAND "${CLI}" ${command} WORKING_DIRECTORY "${WORK}"
                        RESULT_VARIABLE status ERROR_VARIABLE err)
        if(NOT status EQUAL 2 OR NOT err STREQUAL "merrowin-cli: built without PDF support\n"
           OR EXISTS "${WORK}/out.pdf" OR EXISTS "${WORK}/nest.txt")
            message(FATAL_ERROR "${command}: exit ${status}, '${err}'")
        endif()
    endforeach()
endif()
