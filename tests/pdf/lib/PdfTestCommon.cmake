# What the PDF tests add to the command-line tests' helpers: pdfinfo's page count and size, and
# pages rendered by pdftoppm and measured by measure_page.py.
include("${CMAKE_CURRENT_LIST_DIR}/../../cli/lib/CliTestCommon.cmake")

# expect_pages(FILE COUNT SIZE): the page count and pdfinfo's page size text.
function(expect_pages file count size)
    execute_process(COMMAND pdfinfo "${file}" RESULT_VARIABLE status OUTPUT_VARIABLE info)
    if(NOT status EQUAL 0 OR NOT info MATCHES "Pages: *${count}\n.*Page size: *${size}\n")
        message(FATAL_ERROR "${file}: expected ${count} pages of ${size}, pdfinfo says\n${info}")
    endif()
endfunction()

# measure_page(FILE PAGE R,G,B WIDTH HEIGHT ...): page PAGE rendered at 200 dpi without
# anti-aliasing holds, in each colour, a box of that many inches, to 1/100 inch.
function(measure_page file page)
    execute_process(COMMAND pdftoppm -r 200 -aa no -aaVector no -f ${page} -l ${page}
                            -singlefile "${file}" "${WORK}/page")
    # Debian's Python: the first python3 on the PATH may be another.
    execute_process(COMMAND /usr/bin/python3 "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../measure_page.py"
                            "${WORK}/page.ppm" 200 ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "page ${page} of ${file}:\n${out}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "page ${page} of ${file} measures wrong:\n${out}${err}")
    endif()
    file(REMOVE "${WORK}/page.ppm")
endfunction()
