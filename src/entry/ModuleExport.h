#pragma once

// Symbols the module exports to its host. The host looks the context variables up by their C names,
// which carry a leading underscore (_Global, _MyDatabase, ...).
#if defined(_WIN32)
#define TARVAND_MODULE_EXPORT __declspec(dllexport)
#define TARVAND_C_NAME(name)
#else
#define TARVAND_MODULE_EXPORT __attribute__((visibility("default")))
#define TARVAND_C_NAME(name) __asm__(name)
#endif
