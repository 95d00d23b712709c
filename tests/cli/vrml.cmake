# Golden tests of merrowin-cli vrml: the world of a six-chine hull named after the hull file up to
# its first dot, the identical "default.wrl" beside it, both read back by a VRML 1.0 reader when
# one was built (VRML_CHECK), and the usage, missing-file and unwritable-copy errors.
# Run as: cmake -DCLI=<merrowin-cli> -DDATA=<tests/data> -DWORK=<scratch folder>
#               [-DVRML_CHECK=<merrowin_vrml_readback>] -P vrml.cmake

include("${CMAKE_CURRENT_LIST_DIR}/lib/CliTestCommon.cmake")

file(COPY_FILE "${DATA}/skiff6.hul" "${WORK}/boat.old.hul")
run_cli(0 out vrml boat.old.hul)
if(NOT out STREQUAL "boat.wrl\ndefault.wrl\n")
    message(FATAL_ERROR "vrml printed '${out}', expected the two file names")
endif()
expect_same_file("${WORK}/boat.wrl" "${DATA}/cli/vrml_skiff6.wrl")
expect_same_file("${WORK}/default.wrl" "${WORK}/boat.wrl")

if(VRML_CHECK)
    execute_process(COMMAND "${VRML_CHECK}" "${WORK}/boat.wrl" RESULT_VARIABLE status
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT status EQUAL 0 OR NOT report MATCHES "156 points, 9 face sets, 652 triangles")
        message(FATAL_ERROR "the VRML reader refused boat.wrl:\n${report}")
    endif()
endif()

# A copy that cannot be written fails the command (exit 1); the world itself is written.
file(MAKE_DIRECTORY "${WORK}/blocked/default.wrl")
file(COPY_FILE "${DATA}/skiff6.hul" "${WORK}/blocked/skiff.hul")
run_cli_in("${WORK}/blocked" 1 out vrml skiff.hul)
expect_exists("${WORK}/blocked" skiff.wrl)

run_cli(2 out vrml)
run_cli(2 out vrml missing.hul)
run_cli(2 out vrml boat.old.hul extra.hul)
run_cli(2 out vrml boat.old.hul --chines 4)
