# Helpers that put built programs and libraries into the runnable program folders.

# ql_place_in(<target> <folder>): the target's file is built straight into <folder>.
function(ql_place_in target folder)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${folder}
    LIBRARY_OUTPUT_DIRECTORY ${folder}
    PREFIX "")
endfunction()

# ql_check_pe(<target> [EXPORTS "Name bytes ordinal" ...] [SHARED_SECTION <name>]): after each
# build, the target's file must be a PE of the build's architecture, with those exports at their
# ordinals and that section shared.
function(ql_check_pe target)
  cmake_parse_arguments(P "" "SHARED_SECTION" "EXPORTS" ${ARGN})
  set(args --objdump ${CMAKE_OBJDUMP} --arch ${QL_ARCH})
  if(P_EXPORTS)
    list(JOIN P_EXPORTS "," exports)
    list(APPEND args --exports "${exports}")
  endif()
  if(P_SHARED_SECTION)
    list(APPEND args --shared-section ${P_SHARED_SECTION})
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/check-pe.py ${args}
            $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
