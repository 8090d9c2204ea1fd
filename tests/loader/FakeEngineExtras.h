/* Shared by the generated stand-in engine sources. */
#ifndef FAKE_ENGINE_EXTRAS_H
#define FAKE_ENGINE_EXTRAS_H

#ifdef _WIN32
#define FAKE_EXPORT __declspec(dllexport)
#else
#define FAKE_EXPORT __attribute__((visibility("default")))
#endif

#endif
