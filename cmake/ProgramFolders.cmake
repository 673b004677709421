# Helpers that put built programs and libraries into the runnable program folders.

# ql_place_in(<target> <folder>): the target's file is built straight into <folder>.
function(ql_place_in target folder)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${folder}
    LIBRARY_OUTPUT_DIRECTORY ${folder}
    PREFIX "")
endfunction()
