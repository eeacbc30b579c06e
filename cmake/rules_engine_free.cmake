# Fails when a file of the treatment rules (KESTRINE_RULES_DIR) includes an engine header.
file(GLOB rules_files ${KESTRINE_RULES_DIR}/*.h ${KESTRINE_RULES_DIR}/*.cpp)
foreach(rules_file ${rules_files})
  file(STRINGS ${rules_file} engine_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]engine/")
  if(engine_includes)
    message(FATAL_ERROR "The treatment-rules file ${rules_file} includes the engine: ${engine_includes}")
  endif()
endforeach()
