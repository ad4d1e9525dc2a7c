// Assertions for what the program itself guarantees (an index inside its table, a fitted outline
// handed only to code that checked it). A failure is a bug: it names the file and line on stderr
// and aborts, in every build. Input from a user or a file is checked with Result (result.h), never
// with this.
#pragma once

[[noreturn]] void InvariantFailed(const char* condition, const char* file, int line);

#define VESK_ASSERT(condition) \
  ((condition) ? static_cast<void>(0) : InvariantFailed(#condition, __FILE__, __LINE__))
