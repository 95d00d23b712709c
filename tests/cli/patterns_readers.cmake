# Real readers of a full pattern run: every DXF file (the flat patterns and the 3-D hull drawing)
# opened with ezdxf, every HPGL file rendered with hp2xx.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P patterns_readers.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
file(MAKE_DIRECTORY "${WORK}/export")
file(COPY "${DATA}/skiff6.hul" DESTINATION "${WORK}")
file(RENAME "${WORK}/skiff6.hul" "${WORK}/readers.hul")
run_cli(0 out patterns readers.hul --dxf --hpgl --stem --soles --deck --keel --spar
        --frames 20,45,70,95,120 --export-path export)

# Debian's Python carries ezdxf; the first python3 on the PATH may not.
execute_process(COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/patterns_readers.py"
                        "${WORK}" "${WORK}/export" 6
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the readers refused the run's files:\n${err}${out}")
endif()
message(STATUS "${out}")
