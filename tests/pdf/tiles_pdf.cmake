# merrowin-cli tiles read back: page counts with pdfinfo, and pages rendered with pdftoppm on
# which the calibration square and a piece of known size are measured at 1:1.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P tiles_pdf.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/PdfTestCommon.cmake")

# 1. The default hull's pattern run: the page count printed is the PDF's, and the first tile's
#    calibration square is 4 inches.
run_cli(0 out new boat.hul)
run_cli(2 out tiles boat.hul -o early.pdf) # no pattern run yet
run_cli(0 out patterns boat.hul)
run_cli(0 out tiles boat.hul -o patterns.pdf)
if(NOT out MATCHES "^patterns.pdf: ([0-9]+) pages\n$")
    message(FATAL_ERROR "tiles printed '${out}'")
endif()
expect_pages("${WORK}/patterns.pdf" ${CMAKE_MATCH_1} "612 x 792 pts (letter)")
measure_page("${WORK}/patterns.pdf" 2 --square 4)

# 2. Pieces of known size in place of the run's bulkheads (500 units an inch): a frame of 20 x 26
#    inches spans three pages each way and leaves the middle one empty, so it prints on 8 pages;
#    a plate of 5 x 3 inches prints on one. With the map: 10 pages.
set(header "start_plot\n/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */\n0 penup\n")
file(WRITE "${WORK}/bhead1.uc" "${header}0 0 acut\n0 pendown\n10000 0 acut\n10000 13000 acut\n"
                               "0 13000 acut\n0 0 acut\n0 penup\nend_plot\n")
file(WRITE "${WORK}/bhead2.uc" "${header}1000 1000 acut\n0 pendown\n3500 1000 acut\n"
                               "3500 2500 acut\n1000 2500 acut\n1000 1000 acut\n0 penup\nend_plot\n")
run_cli(0 out tiles boat.hul -o known.pdf --pieces BHEAD2,bhead1)
if(NOT out STREQUAL "known.pdf: 10 pages\n")
    message(FATAL_ERROR "tiles printed '${out}'")
endif()
expect_pages("${WORK}/known.pdf" 10 "612 x 792 pts (letter)")
measure_page("${WORK}/known.pdf" 10 --square 4 --box 5 3)

# 3. On A4 the square is 100 mm.
run_cli(0 out tiles boat.hul -o a4.pdf --pieces bhead2 --paper A4)
expect_pages("${WORK}/a4.pdf" 2 "595 x 842 pts (A4)")
measure_page("${WORK}/a4.pdf" 2 --square 3.93701 --box 5 3)

# 4. Faults: a piece the run did not make (2), a PDF that cannot be written (1, no file).
execute_process(COMMAND "${CLI}" tiles boat.hul -o x.pdf --pieces rudder
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "no piece rudder")
    message(FATAL_ERROR "an unknown piece: exit ${status}, '${err}'")
endif()
run_cli(1 out tiles boat.hul -o missing/x.pdf)
if(EXISTS "${WORK}/missing" OR EXISTS "${WORK}/x.pdf")
    message(FATAL_ERROR "a failed write left a file")
endif()
