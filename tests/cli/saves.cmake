# merrowin-cli keeps what the user had when it saves: a hull read under another spelling is saved
# to the file it came from, and temporaries left by a killed save are cleared when a command
# starts.
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

# 2. At its start a command removes a temporary left over two minutes ago by a killed save,
#    and keeps one written a moment ago (a save of another program may be writing it).
set(old "${WORK}/.boat.hul.merrowin-tmp.0123abcd")
set(young "${WORK}/.other.hul.merrowin-tmp.89abcdef")
file(WRITE "${old}" "part of a hull\r\n")
file(WRITE "${young}" "part of a hull\r\n")
execute_process(COMMAND touch -d "2 minutes ago" "${old}" RESULT_VARIABLE touched)
if(NOT touched EQUAL 0)
    message(FATAL_ERROR "could not age ${old}")
endif()
run_cli(0 out geometry a.hul) # reads and saves nothing
if(EXISTS "${old}" OR NOT EXISTS "${young}")
    message(FATAL_ERROR "the command did not clear the old temporary alone")
endif()
