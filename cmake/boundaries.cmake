# Proves at configure time that the folders' boundaries are build errors, with the include roots the game's
# libraries really get: the engine's inside is out of every game folder's reach, neither the shell nor
# casualty care can include the folders above them, and the treatment rules cannot include the patient's
# view and body, nor name an engine header themselves. Probes that must build show that the failures come from
# the include alone.

set(KESTRINE_ENGINE_INCLUDE ${CMAKE_SOURCE_DIR}/engine/include)
set(KESTRINE_SHELL_ROOTS
    -I${KESTRINE_ENGINE_INCLUDE} -I${CMAKE_BINARY_DIR}/include-roots/platform -I${CMAKE_BINARY_DIR}/include-roots/shell)
set(KESTRINE_CASUALTY_ROOTS ${KESTRINE_SHELL_ROOTS} -I${CMAKE_BINARY_DIR}/include-roots/casualty)
set(KESTRINE_CASUALTY_VIEW_ROOTS ${KESTRINE_CASUALTY_ROOTS} -I${CMAKE_BINARY_DIR}/include-roots/casualty_view)
set(KESTRINE_FRONTEND_ROOTS ${KESTRINE_CASUALTY_VIEW_ROOTS} -I${CMAKE_BINARY_DIR}/include-roots/battlefield
    -I${CMAKE_BINARY_DIR}/include-roots/frontend)

# kestrine_probe(<name> <must build: TRUE|FALSE> <include> <roots...>)
function(kestrine_probe name must_build header)
  set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
  try_compile(built SOURCE_FROM_CONTENT ${name}.cpp "#include \"${header}\"\nint kestrineProbe() { return 0; }\n"
              COMPILE_DEFINITIONS ${ARGN}
              CXX_STANDARD 20
              OUTPUT_VARIABLE output)
  if(must_build AND NOT built)
    message(FATAL_ERROR
            "Boundary probe ${name}: a game file including \"${header}\" should build but does not:\n${output}")
  elseif(NOT must_build AND built)
    message(FATAL_ERROR "Boundary probe ${name}: a game file including \"${header}\" builds; that boundary is open")
  endif()
endfunction()

kestrine_probe(public_engine TRUE "shell/engine_setup.h" ${KESTRINE_SHELL_ROOTS})
kestrine_probe(game_path TRUE "engine/game_path.h" ${KESTRINE_FRONTEND_ROOTS})
foreach(inside engine/core/path_resolver.h core/path_resolver.h engine/core/engine_core.h core/engine_internals.h
               engine/backend/headless/headless_backend.h backend/headless/headless_backend.h)
  string(MAKE_C_IDENTIFIER ${inside} probe)
  kestrine_probe(${probe} FALSE ${inside} ${KESTRINE_FRONTEND_ROOTS})
endforeach()
foreach(upward casualty/patient.h frontend/frontend_screens.h battlefield/battlefield_screens.h
               program/register_screens.h)
  string(MAKE_C_IDENTIFIER ${upward} probe)
  kestrine_probe(shell_${probe} FALSE ${upward} ${KESTRINE_SHELL_ROOTS})
endforeach()
kestrine_probe(casualty_public TRUE "casualty/patient.h" ${KESTRINE_CASUALTY_ROOTS})
# The treatment rules see neither the patient's view and body nor anything above them.
foreach(upward casualty_view/patient_view.h casualty_view/model_body.h frontend/frontend_screens.h
               battlefield/battlefield_screens.h)
  string(MAKE_C_IDENTIFIER ${upward} probe)
  kestrine_probe(casualty_${probe} FALSE ${upward} ${KESTRINE_CASUALTY_ROOTS})
endforeach()
kestrine_probe(casualty_view_public TRUE "casualty_view/patient_view.h" ${KESTRINE_CASUALTY_VIEW_ROOTS})
foreach(upward frontend/frontend_screens.h battlefield/battlefield_screens.h)
  string(MAKE_C_IDENTIFIER ${upward} probe)
  kestrine_probe(casualty_view_${probe} FALSE ${upward} ${KESTRINE_CASUALTY_VIEW_ROOTS})
endforeach()

# The treatment rules name no engine header: their engine objects live in the patient's body (casualty_view).
# The rules still reach the engine's include root through the shell's headers they use (globals, sounds,
# timed messages and developer output carry engine types), so this is read from the rules' own files rather
# than probed with their include roots: once at configure time, and again before the rules library builds
# whenever one of its files changed.
set(KESTRINE_RULES_CHECK ${CMAKE_SOURCE_DIR}/cmake/rules_engine_free.cmake)
set(KESTRINE_RULES_DIR ${CMAKE_SOURCE_DIR}/casualty)
include(${KESTRINE_RULES_CHECK})
file(GLOB KESTRINE_RULES_FILES CONFIGURE_DEPENDS ${KESTRINE_RULES_DIR}/*.h ${KESTRINE_RULES_DIR}/*.cpp)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/rules-engine-free.stamp
                   COMMAND ${CMAKE_COMMAND} -DKESTRINE_RULES_DIR=${KESTRINE_RULES_DIR} -P ${KESTRINE_RULES_CHECK}
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/rules-engine-free.stamp
                   DEPENDS ${KESTRINE_RULES_FILES} ${KESTRINE_RULES_CHECK}
                   COMMENT "Checking that the treatment rules include no engine header")
add_custom_target(rules_engine_free DEPENDS ${CMAKE_BINARY_DIR}/rules-engine-free.stamp)
add_dependencies(casualty rules_engine_free)
