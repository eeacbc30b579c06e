// One owner per global. Each file that keeps state between calls keeps it in one record with default
// member initialisers (the start values live there and nowhere else), one instance, and registers the
// record here; ResetProgramState() puts every registered record back to its start values.
//
//   // foo.h
//   struct FooState {
//     int32_t count = 0;
//     engine::EngineRef<engine::EngineBitmap> image;
//   };
//   extern FooState fooState;
//   extern int32_t& count;                  // the name the game uses, when it has one
//
//   // foo.cpp
//   FooState fooState;
//   KESTRINE_PROGRAM_STATE(fooState);       // reset = assign a default-made record
//   int32_t& count = fooState.count;
//
// A record whose reset needs more than a fresh value (say, handing engine objects back in a given order, or
// a table whose fixed rows stay) registers its own function with KESTRINE_PROGRAM_STATE_RESET.
//
// The registered names are what the check for forgotten globals compares the game libraries' writable data
// with (tests/scenario/test_program_globals.cpp): a mutable global outside a registered record fails it.
#pragma once

#include <string>
#include <vector>

namespace kestrine {

using ProgramStateReset = void (*)();

// Adds a reset to the list ResetProgramState runs (in registration order). `name` is the record's own
// name (the instance's identifier). Returns true, so it can initialise a namespace-scope registrar.
bool RegisterProgramStateReset(ProgramStateReset reset, const char* name);

// Every registered record back to its start values: what a fresh start of the program sees.
void ResetProgramState();

// How many records are registered, and their names (tests).
int ProgramStateCount();
std::vector<std::string> ProgramStateNames();

}  // namespace kestrine

#define KESTRINE_PROGRAM_STATE_CAT2(a, b) a##b
#define KESTRINE_PROGRAM_STATE_CAT(a, b) KESTRINE_PROGRAM_STATE_CAT2(a, b)
// Registers `instance` (a record with default member initialisers) with ResetProgramState.
#define KESTRINE_PROGRAM_STATE(instance)                                                                      \
  [[maybe_unused]] static const bool KESTRINE_PROGRAM_STATE_CAT(kestrineProgramState_, __LINE__) =           \
      ::kestrine::RegisterProgramStateReset([] { instance = decltype(instance){}; }, #instance)
// Registers `instance` with a reset of its own (a function taking nothing).
#define KESTRINE_PROGRAM_STATE_RESET(instance, reset)                                                         \
  [[maybe_unused]] static const bool KESTRINE_PROGRAM_STATE_CAT(kestrineProgramState_, __LINE__) =           \
      ::kestrine::RegisterProgramStateReset(reset, #instance)
