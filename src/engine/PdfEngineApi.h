// The engine's functions, reached through process-wide procedure variables named after the exported
// symbols, and the loader that fills them.
#pragma once

#include "engine/PdfEngineTypes.h"

#include <string>

// One function-pointer type per imported function: T<Name>.
#define ENGINE_IMPORT(Name, Result, Params, Kind) using T##Name = Result(*) Params;
#include "engine/PdfEngineImports.inc"
#undef ENGINE_IMPORT

// The procedure variables. Before a load each holds the not-loaded stub.
#define ENGINE_IMPORT(Name, Result, Params, Kind) extern T##Name Name;
#include "engine/PdfEngineImports.inc"
#undef ENGINE_IMPORT

// A type-erased procedure variable.
using TEngineProc = void (*)();

struct TEngineImportEntry {
  TEngineProc* Proc;            // the variable that receives the resolved address
  const char* Name;             // exported symbol
  bool Tolerated;               // a missing symbol is no error
  bool Optional;                // the symbol may be missing
  TEngineProc NotLoadedStub;    // the not-loaded stub of this entry's signature
  TEngineProc NotSupportedStub; // the not-supported stub of this entry's signature
};

constexpr int EngineImportCount = 423;
extern const TEngineImportEntry EngineImportTable[EngineImportCount];

// Loads the engine from DllFileName (empty: the bare library name, found by the system's search)
// and initialises it; ResDirectory is handed to the engine for its embedded data. Does nothing when
// the engine is loaded already. Throws platform::EOSError when the library cannot be loaded and
// std::runtime_error when a required symbol is missing; nothing is loaded afterwards in both cases.
void LoadEngine(const std::string& DllFileName, const std::string& ResDirectory);

// LoadEngine with DllDirectory + delimiter + the library's file name; an empty DllDirectory loads
// the bare name.
void LoadEngineFromDir(const std::string& DllDirectory, const std::string& ResDirectory);

// Sets every procedure variable to its not-loaded stub.
void ResetEngineImports();

// True when the loaded engine exports FPDF_BStr_Init (a build with XFA forms).
bool EngineHasXfa();

// True while an engine library is loaded.
bool EngineLoaded();

// Program end: destroys the engine library's state and releases it. Nothing may call the engine
// afterwards. Runs by itself at process exit when not called earlier.
void ReleaseEngine();
