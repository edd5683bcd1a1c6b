#pragma once

// Symbols the module exports to its host. The host looks the context variables up by their C names,
// which carry a leading underscore (_Global, _MyDatabase, ...). On Windows the module definition
// file tarvand.def lists the exports under those names, as the suite's hosts expect them.
#if defined(_WIN32)
#define TARVAND_MODULE_EXPORT
#define TARVAND_C_NAME(name)
#else
#define TARVAND_MODULE_EXPORT __attribute__((visibility("default")))
#define TARVAND_C_NAME(name) __asm__(name)
#endif

// The calling convention of the entry points: the standard one of exported functions on 32-bit
// Windows (arguments pushed right to left, removed by the callee); elsewhere there is only one.
#if defined(_WIN32) && !defined(_WIN64)
#define TARVAND_STDCALL __stdcall
#else
#define TARVAND_STDCALL
#endif
