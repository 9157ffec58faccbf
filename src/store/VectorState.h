#pragma once

namespace mirtal::store {

// Marks the upper halves of the AVX registers clean (vzeroupper), where the processor has them.
//
// A thread starts with a copy of its creator's vector registers. When the creator had left
// those upper halves in use, every SSE instruction on the new thread pays a penalty until
// something clears them, and the key derivation (SHA-1, all SSE) never does: on a thread begun
// from the program's start it took twice as long. Called before the derivation, on its thread.
void clearUpperVectorState();

}  // namespace mirtal::store
