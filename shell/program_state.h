// One owner per global. Each file that keeps state between calls keeps it in one record with default
// member initialisers (the start values live there and nowhere else), one instance defined in that file only,
// and registers the record here; ResetProgramState() puts every registered record back to its start values.
// Other files read the record through the owner's const view and change it only through the owner's named
// operations, so the compiler refuses a write from anywhere else.
//
//   // foo.h
//   struct FooState {
//     int32_t count = 0;
//     engine::EngineRef<engine::EngineBitmap> image;
//   };
//   const FooState& Foo();                   // the view everyone reads
//   void CountFoo();                         // an operation for the files that change it
//
//   // foo.cpp
//   FooState fooState;
//   KESTRINE_PROGRAM_STATE(fooState);       // reset = assign a default-made record
//   const FooState& Foo() { return fooState; }
//   void CountFoo() { ++fooState.count; }
//
// A record whose reset needs more than a fresh value (say, handing engine objects back in a given order, or
// a table whose fixed rows stay) registers its own function with KESTRINE_PROGRAM_STATE_RESET.
//
// Each registration leaves a symbol named after its record (kestrineProgramStateOf_<record>) in the object
// file, which the check for forgotten globals reads (tests/scenario/test_program_globals.cpp): writable data
// of a game library that is not a registered record of its own file fails it.
#pragma once

namespace kestrine {

using ProgramStateReset = void (*)();

// Adds a reset to the list ResetProgramState runs (in registration order). `name` is the record's own
// name (the instance's identifier). Returns true, so it can initialise a namespace-scope registrar.
bool RegisterProgramStateReset(ProgramStateReset reset, const char* name);

// Every registered record back to its start values: what a fresh start of the program sees.
void ResetProgramState();

// How many records are registered (tests).
int ProgramStateCount();

}  // namespace kestrine

// Registers `instance` (a record with default member initialisers, named by a plain identifier) with
// ResetProgramState.
#define KESTRINE_PROGRAM_STATE(instance)                              \
  [[gnu::used]] static const bool kestrineProgramStateOf_##instance = \
      ::kestrine::RegisterProgramStateReset([] { instance = decltype(instance){}; }, #instance)
// Registers `instance` with a reset of its own (a function taking nothing).
#define KESTRINE_PROGRAM_STATE_RESET(instance, reset)                 \
  [[gnu::used]] static const bool kestrineProgramStateOf_##instance = \
      ::kestrine::RegisterProgramStateReset(reset, #instance)
