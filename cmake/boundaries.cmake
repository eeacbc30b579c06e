# Proves at configure time that the folders' boundaries are build errors, with the include roots the game's
# libraries really get: the engine's inside is out of every game folder's reach, neither the shell nor
# casualty care can include the folders above them, and the treatment rules cannot include the patient's
# view and body. Probes that must build show that the failures come from the include alone.

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
