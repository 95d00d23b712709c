# What the PDF tests share beyond the command-line tests' helpers: pdfinfo's fields, pages
# rendered by pdftoppm and measured by measure_page.py.
include("${CMAKE_CURRENT_LIST_DIR}/../../cli/lib/CliTestCommon.cmake")

find_program(PDFINFO pdfinfo)
find_program(PDFTOPPM pdftoppm)
if(NOT PDFINFO OR NOT PDFTOPPM)
    message(FATAL_ERROR "pdfinfo and pdftoppm (poppler-utils) are needed")
endif()

# pdf_info(FILE FIELD OUT_VAR): what pdfinfo says after "FIELD:".
function(pdf_info file field out_var)
    execute_process(COMMAND "${PDFINFO}" "${file}" RESULT_VARIABLE status OUTPUT_VARIABLE info
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pdfinfo refused ${file}: ${err}")
    endif()
    if(NOT info MATCHES "${field}:[ ]*([^\n]*)")
        message(FATAL_ERROR "pdfinfo gives no ${field} for ${file}")
    endif()
    set(${out_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# expect_pages(FILE COUNT SIZE): the page count and pdfinfo's page size text.
function(expect_pages file count size)
    pdf_info("${file}" "Pages" pages)
    pdf_info("${file}" "Page size" paper)
    if(NOT pages EQUAL count OR NOT paper STREQUAL size)
        message(FATAL_ERROR "${file}: ${pages} pages of ${paper}, expected ${count} of ${size}")
    endif()
endfunction()

# measure_page(FILE PAGE args...): renders one page at 200 dpi without anti-aliasing and checks
# its sizes with measure_page.py (--square SIDE, --box WIDTH HEIGHT, inches, to 1/100 inch).
function(measure_page file page)
    set(image "${WORK}/page${page}")
    execute_process(COMMAND "${PDFTOPPM}" -r 200 -aa no -aaVector no -f ${page} -l ${page}
                            -singlefile "${file}" "${image}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT EXISTS "${image}.ppm")
        message(FATAL_ERROR "pdftoppm could not render page ${page} of ${file}")
    endif()
    # Debian's Python: the first python3 on the PATH may be another.
    execute_process(COMMAND /usr/bin/python3 "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../measure_page.py"
                            "${image}.ppm" 200 ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "page ${page} of ${file}: ${out}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "page ${page} of ${file} measures wrong:\n${out}${err}")
    endif()
endfunction()
