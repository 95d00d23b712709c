# Golden tests of merrowin-cli mesh: a six-chine hull written as binary and text STL and as OBJ,
# open and closed, in each unit; every file read by assimp (Debian's assimp-utils), whose summary
# of all of them is compared with a golden, and by the mesh checker (no flat triangle, and no
# open edge in a closed mesh); then files that cannot be written and the usage errors.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder>
#               -DMESH_CHECK=<merrowin_mesh_check> -P mesh.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")

find_program(ASSIMP assimp)
if(NOT ASSIMP)
    message(FATAL_ERROR "assimp (Debian's assimp-utils) is needed to read the meshes back")
endif()

file(COPY_FILE "${DATA}/skiff6.hul" "${WORK}/skiff.hul")

# write_mesh(OUT [--closed] options...): the command prints the file it wrote, the checker passes
# it, and assimp's summary of it (counts, extent, parts) is added to `summary`.
set(summary "")
function(write_mesh file)
    run_cli(0 out mesh skiff.hul -o ${file} ${ARGN})
    if(NOT out STREQUAL "${file}\n")
        message(FATAL_ERROR "mesh printed '${out}', expected '${file}'")
    endif()
    set(closed "")
    if("--closed" IN_LIST ARGN)
        set(closed --closed)
    endif()
    execute_process(COMMAND "${MESH_CHECK}" "${WORK}/${file}" ${closed}
                    RESULT_VARIABLE status OUTPUT_VARIABLE check ERROR_VARIABLE check)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${file} fails the mesh check: ${check}")
    endif()
    execute_process(COMMAND "${ASSIMP}" info "${WORK}/${file}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE info ERROR_VARIABLE info)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "assimp cannot read ${file}:\n${info}")
    endif()
    # Only what the file decides: not the progress, the time taken or the memory used.
    list(JOIN ARGN " " options)
    string(STRIP "== ${file} ${options}" heading)
    string(APPEND summary "${heading}\n${check}")
    string(REPLACE "\n" ";" info_lines "${info}")
    foreach(line IN LISTS info_lines)
        if(line MATCHES "^(Vertices|Faces|Minimum point|Maximum point)"
           OR line MATCHES "^    [0-9]+ \\(")
            string(APPEND summary "${line}\n")
        endif()
    endforeach()
    set(summary "${summary}" PARENT_SCOPE)
endfunction()

write_mesh(skiff.stl)
write_mesh(skiff_text.stl --ascii --closed --units m)
write_mesh(skiff.obj --closed --units mm)
write_mesh(skiff_open.obj --units in)
file(WRITE "${WORK}/summary.txt" "${summary}")
expect_same_file("${WORK}/summary.txt" "${DATA}/cli/mesh_skiff6.txt")

# A file that cannot be written (no such folder; a folder in its place) fails with exit 1 and
# says so on stderr.
file(MAKE_DIRECTORY "${WORK}/taken.obj")
foreach(target missing/hull.stl taken.obj)
    execute_process(COMMAND "${CLI}" mesh skiff.hul -o ${target} WORKING_DIRECTORY "${WORK}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err STREQUAL "merrowin-cli: Could not write ${target}\n")
        message(FATAL_ERROR "mesh -o ${target}: exit ${status}, out '${out}', err '${err}'")
    endif()
endforeach()

# Usage errors write nothing.
run_cli(2 out mesh skiff.hul)
run_cli(2 out mesh skiff.hul -o hull.ply)
run_cli(2 out mesh skiff.hul -o hull.obj --ascii)
run_cli(2 out mesh skiff.hul -o hull.stl --units ft)
run_cli(2 out mesh missing.hul -o hull.stl)
foreach(name hull.ply hull.obj hull.stl)
    if(EXISTS "${WORK}/${name}")
        message(FATAL_ERROR "a refused command wrote ${name}")
    endif()
endforeach()
