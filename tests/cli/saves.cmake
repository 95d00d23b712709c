# merrowin-cli keeps what the user had when it saves: a hull read under another spelling is saved
# to the file it came from, a read-only hull file is refused and left as it was, and temporaries
# left by a killed save are cleared when the command starts.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P saves.cmake
include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")

# The hull files of the folder, spelled as they are on disk.
function(hull_files folder out_var)
    file(GLOB paths RELATIVE "${folder}" "${folder}/*.hul" "${folder}/*.HUL")
    list(REMOVE_DUPLICATES paths)
    list(SORT paths)
    set(${out_var} "${paths}" PARENT_SCOPE)
endfunction()

# 1. "patterns A.HUL" reads a.hul and saves the hull back into a.hul.
file(COPY "${DATA}/skiff6.hul" DESTINATION "${WORK}")
file(RENAME "${WORK}/skiff6.hul" "${WORK}/a.hul")
run_cli(0 out patterns A.HUL --no-expansions)
hull_files("${WORK}" names)
if(NOT names STREQUAL "a.hul;default.hul")
    message(FATAL_ERROR "after patterns A.HUL the folder holds ${names}, expected a.hul;default.hul")
endif()

# 2. A read-only hull file is not replaced: the run says so and fails, the file stays as it was.
file(CHMOD "${WORK}/a.hul" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(READ "${WORK}/a.hul" before)
execute_process(COMMAND "${CLI}" patterns a.hul --no-expansions --frames 12
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status EQUAL 1 OR NOT err MATCHES "Could not save a.hul")
    message(FATAL_ERROR "a save onto a read-only hull file: exit ${status}, stderr '${err}'")
endif()
file(READ "${WORK}/a.hul" after)
execute_process(COMMAND stat -c %a "${WORK}/a.hul" OUTPUT_VARIABLE mode
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT before STREQUAL after OR NOT mode STREQUAL "444")
    message(FATAL_ERROR "the read-only hull file was replaced (mode ${mode})")
endif()
file(GLOB leftovers "${WORK}/.*merrowin-tmp*")
if(leftovers)
    message(FATAL_ERROR "the refused save left ${leftovers}")
endif()

# 3. At its start a command removes a temporary left over two minutes ago by a killed save,
#    and keeps one written a moment ago (a save of another program may be writing it).
set(old "${WORK}/.boat.hul.merrowin-tmp.0123abcd")
set(young "${WORK}/.other.hul.merrowin-tmp.89abcdef")
file(WRITE "${old}" "part of a hull\r\n")
file(WRITE "${young}" "part of a hull\r\n")
execute_process(COMMAND touch -d "2 minutes ago" "${old}" RESULT_VARIABLE touched)
if(NOT touched EQUAL 0)
    message(FATAL_ERROR "could not age ${old}")
endif()
run_cli(0 out geometry a.hul) # reads, saves nothing
if(EXISTS "${old}" OR NOT EXISTS "${young}")
    message(FATAL_ERROR "the command did not clear the old temporary alone")
endif()
