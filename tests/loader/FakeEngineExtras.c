/* The exports of a stand-in engine that the loader calls, with counters the tests read back. */
#include "FakeEngineExtras.h"

#include <string.h>

static int InitLibraryCalls;
static int DestroyLibraryCalls;
static int EmbeddedCalls;
static char ResourcePath[4096];

FAKE_EXPORT void FPDF_InitLibrary(void) {
  ++InitLibraryCalls;
}

FAKE_EXPORT void FPDF_DestroyLibrary(void) {
  ++DestroyLibraryCalls;
}

#ifndef FAKE_OMIT_FPDF_InitEmbeddedLibraries
FAKE_EXPORT void FPDF_InitEmbeddedLibraries(const char* Path) {
  ++EmbeddedCalls;
  strncpy(ResourcePath, Path ? Path : "(null)", sizeof ResourcePath - 1);
}
#endif

FAKE_EXPORT int FakeEngine_InitLibraryCalls(void) {
  return InitLibraryCalls;
}
FAKE_EXPORT int FakeEngine_DestroyLibraryCalls(void) {
  return DestroyLibraryCalls;
}
FAKE_EXPORT int FakeEngine_EmbeddedCalls(void) {
  return EmbeddedCalls;
}
FAKE_EXPORT const char* FakeEngine_ResourcePath(void) {
  return ResourcePath;
}
