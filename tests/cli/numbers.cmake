# The numbers the hydrostatics commands take: one strict decimal rule for the check and the run,
# and magnitudes the computation can hold. A refused number prints the usage line, runs nothing
# and exits 1; an accepted one never prints null, NaN or infinity.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P numbers.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")
file(COPY "${DATA}/cli/hydro/default.hul" DESTINATION "${WORK}")

# Each entry: the command and its arguments, '|'-separated (a CMake list would flatten ';'),
# with the hull file added after the command's name.
set(refused
    "hydro|--waterline|8x"
    "hydro|--waterline|0x10"
    "hydro|--waterline| 5"
    "hydro|--waterline|inf"
    "hydro|--waterline|nan"
    "hydro|--waterline|1e400"
    "hydro|--waterline|5D0"
    "hydro|--waterline|."
    "hydro|--waterline|1e"
    "displacement|--target|0x10"
    "displacement|--target|1e308"
    "heel|--waterline|6|--angle|1e308"
    "heel|--waterline|-1e7|--angle|20"
    "transform|-o|out.hul|--pitch|five"
    "transform|-o|out.hul|--overall|2e6")
foreach(entry IN LISTS refused)
    string(REPLACE "|" ";" entry "${entry}")
    list(POP_FRONT entry command)
    execute_process(COMMAND "${CLI}" ${command} default.hul ${entry} WORKING_DIRECTORY "${WORK}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err MATCHES "^usage: merrowin-cli ${command} " OR
       NOT out STREQUAL "")
        message(FATAL_ERROR "${command} ${entry}: exit ${status}, said:\n${out}${err}")
    endif()
endforeach()
foreach(written watrplne.uc out.hul)
    if(EXISTS "${WORK}/${written}")
        message(FATAL_ERROR "a refused command wrote ${written}")
    endif()
endforeach()

# Decimal forms taken, up to the largest magnitude; nothing in the output is not a number.
foreach(accepted "heel|--waterline|+6|--angle|1e6" "heel|--waterline|6.|--angle|-.5E1"
        "displacement|--target|1000000")
    string(REPLACE "|" ";" accepted "${accepted}")
    list(POP_FRONT accepted command)
    run_cli(0 out ${command} default.hul ${accepted} --json)
    if(out MATCHES "null|NaN|Infinity|[^A-Za-z](nan|inf)[^A-Za-z]")
        message(FATAL_ERROR "${command} ${accepted}:\n${out}")
    endif()
endforeach()
