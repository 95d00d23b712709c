# merrowin-cli nest --pdf: one page for each sheet, on Letter turned landscape, read back with
# pdfinfo; a PDF that cannot be written exits 1.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P nest_pdf.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/PdfTestCommon.cmake")

run_cli(0 out new boat.hul)
run_cli(0 out patterns boat.hul)
file(COPY "${DATA}/cli/nest/layout.txt" DESTINATION "${WORK}")
run_cli(0 out nest handplot.txt layout.txt --pdf sheets.pdf)
if(NOT out STREQUAL "nest.txt\nsheets.pdf\n")
    message(FATAL_ERROR "nest printed '${out}'")
endif()
expect_pages("${WORK}/sheets.pdf" 3 "792 x 612 pts \\(letter\\)")
run_cli(0 out nest handplot.txt layout.txt -o five.txt --sheets 5 --pdf five.pdf)
expect_pages("${WORK}/five.pdf" 5 "792 x 612 pts \\(letter\\)")
run_cli(1 out nest handplot.txt layout.txt -o again.txt --pdf missing/sheets.pdf)
