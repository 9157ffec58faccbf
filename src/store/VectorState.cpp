#include "store/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace mirtal::store {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Compiled for AVX alone, so that the rest of the program keeps its baseline instruction set.
__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorState() {
    if (__builtin_cpu_supports("avx")) {
        zeroUpperHalves();
    }
}

#else

void clearUpperVectorState() {}

#endif

}  // namespace mirtal::store
