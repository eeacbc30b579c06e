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
// A record whose reset needs more than a fresh value (say, handing engine objects back in a given order)
// registers its own function with RegisterProgramStateReset.
#pragma once

namespace kestrine {

using ProgramStateReset = void (*)();

// Adds a reset to the list ResetProgramState runs (in registration order). Returns true, so it can
// initialise a namespace-scope registrar.
bool RegisterProgramStateReset(ProgramStateReset reset, const char* name);

// Every registered record back to its start values: what a fresh start of the program sees.
void ResetProgramState();

// How many records are registered (tests).
int ProgramStateCount();

}  // namespace kestrine

#define KESTRINE_PROGRAM_STATE_CAT2(a, b) a##b
#define KESTRINE_PROGRAM_STATE_CAT(a, b) KESTRINE_PROGRAM_STATE_CAT2(a, b)
// Registers `instance` (a record with default member initialisers) with ResetProgramState.
#define KESTRINE_PROGRAM_STATE(instance)                                                                      \
  [[maybe_unused]] static const bool KESTRINE_PROGRAM_STATE_CAT(kestrineProgramState_, __LINE__) =           \
      ::kestrine::RegisterProgramStateReset([] { instance = decltype(instance){}; }, #instance)
