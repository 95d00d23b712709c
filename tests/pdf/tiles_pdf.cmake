# merrowin-cli tiles read back: page counts with pdfinfo, and pages rendered with pdftoppm on
# which the calibration square (dark grey) and a piece of known size (black) are measured.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P tiles_pdf.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/PdfTestCommon.cmake")
set(SQUARE "128,128,128")

# 1. The default hull's run: the page count printed is the PDF's; the square is 4 inches.
run_cli(0 out new boat.hul)
run_cli(2 out tiles boat.hul -o early.pdf) # no pattern run yet
run_cli(0 out patterns boat.hul)
run_cli(0 out tiles boat.hul -o patterns.pdf)
if(NOT out MATCHES "^patterns.pdf: ([0-9]+) pages\n$")
    message(FATAL_ERROR "tiles printed '${out}'")
endif()
expect_pages("${WORK}/patterns.pdf" ${CMAKE_MATCH_1} "612 x 792 pts \\(letter\\)")
measure_page("${WORK}/patterns.pdf" 2 ${SQUARE} 4 4)

# 2. Bulkheads of known size (500 units an inch): 20 x 26 in spans three pages each way and
#    leaves the middle one empty (8 pages); 5 x 3 in prints on one; with the map, 10 pages.
set(plot "start_plot\n0 penup\n")
file(WRITE "${WORK}/bhead1.uc" "${plot}0 0 acut\n0 pendown\n10000 0 acut\n10000 13000 acut\n"
                               "0 13000 acut\n0 0 acut\n")
file(WRITE "${WORK}/bhead2.uc" "${plot}1000 1000 acut\n0 pendown\n3500 1000 acut\n"
                               "3500 2500 acut\n1000 2500 acut\n1000 1000 acut\n")
run_cli(0 out tiles boat.hul -o known.pdf --pieces BHEAD2,bhead1)
expect_pages("${WORK}/known.pdf" 10 "612 x 792 pts \\(letter\\)")
measure_page("${WORK}/known.pdf" 10 ${SQUARE} 4 4 0,0,0 5 3)
run_cli(0 out tiles boat.hul -o a4.pdf --pieces bhead2 --paper A4) # the square is 100 mm
expect_pages("${WORK}/a4.pdf" 2 "595 x 842 pts \\(A4\\)")
measure_page("${WORK}/a4.pdf" 2 ${SQUARE} 3.937 3.937 0,0,0 5 3)

# 3. A piece the run did not make (2); a PDF that cannot be written (1, and no file).
run_cli(2 out tiles boat.hul -o x.pdf --pieces rudder)
run_cli(1 out tiles boat.hul -o missing/x.pdf)
if(EXISTS "${WORK}/missing" OR EXISTS "${WORK}/x.pdf")
    message(FATAL_ERROR "a failed write left a file")
endif()
