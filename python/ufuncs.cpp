// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "ufuncs.h"

#include "zelfunctions.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sched.h>
#include <thread>
#include <vector>

#define NO_IMPORT_ARRAY
#define NO_IMPORT_UFUNC
#define PY_ARRAY_UNIQUE_SYMBOL zelsegy_ARRAY_API
#define PY_UFUNC_UNIQUE_SYMBOL zelsegy_UFUNC_API
#define NPY_NO_DEPRECATED_API NPY_1_7_API_VERSION
#include <numpy/arrayobject.h>
#include <numpy/ufuncobject.h>

namespace {

// The library's conversions take an int count; a contiguous run is handed
// over in pieces that fit.
constexpr npy_intp LargestCall = npy_intp{1} << 30;
// Contiguous runs at least this long are split among the cores.
constexpr npy_intp ThreadedRun = npy_intp{1} << 20;
// Strided runs go through buffers of this many words.
constexpr npy_intp StridedBuffer = 1024;

void IbmWordsToFloats(const char* in, char* out, npy_intp count)
{
    IbmToFloat(const_cast<char*>(in), reinterpret_cast<float*>(out), int(count));
}

void FloatsToIbmWords(const char* in, char* out, npy_intp count)
{
    FloatToIbm(reinterpret_cast<float*>(const_cast<char*>(in)), out, int(count));
}

void FloatsToIbmWordsRounded(const char* in, char* out, npy_intp count)
{
    FloatToIbmRounded(reinterpret_cast<float*>(const_cast<char*>(in)), out, int(count));
}

using Conversion = void (*)(const char*, char*, npy_intp);

// The cores this process may run on (its affinity, which a container or
// taskset narrows), at most 8.
unsigned UsableCores()
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    const int count = sched_getaffinity(0, sizeof allowed, &allowed) == 0
                          ? CPU_COUNT(&allowed)
                          : int(std::thread::hardware_concurrency());
    return unsigned(std::clamp(count, 1, 8));
}

// Converts a contiguous run of 4-byte words, in pieces the library takes,
// on several threads when the run is long enough to be worth it.
void ConvertContiguous(Conversion convert, const char* in, char* out, npy_intp count)
{
    const npy_intp parts = count >= ThreadedRun ? npy_intp(UsableCores()) : 1;
    // Each part but the last starts on a whole number of 64-byte lines.
    const npy_intp share = (count / parts + 15) / 16 * 16;
    auto run = [convert, in, out, count, share](npy_intp part) {
        const npy_intp first = std::min(count, part * share);
        const npy_intp end = std::min(count, first + share);
        for (npy_intp at = first; at < end; at += LargestCall) {
            const npy_intp piece = std::min(LargestCall, end - at);
            convert(in + 4 * at, out + 4 * at, piece);
        }
    };
    std::vector<std::thread> helpers;
    for (npy_intp part = 1; part < parts; ++part)
        helpers.emplace_back(run, part);
    run(0);
    for (std::thread& helper : helpers)
        helper.join();
}

// The inner loop of a ufunc from one 4-byte type to another: contiguous runs
// straight through the library, strided ones through a buffer.
template<Conversion convert>
void WordLoop(char** args, const npy_intp* dimensions, const npy_intp* steps, void*)
{
    const npy_intp count = dimensions[0];
    const char* in = args[0];
    char* out = args[1];
    if (steps[0] == 4 && steps[1] == 4) {
        ConvertContiguous(convert, in, out, count);
        return;
    }
    char source[4 * StridedBuffer];
    char target[4 * StridedBuffer];
    for (npy_intp done = 0; done < count; done += StridedBuffer) {
        const npy_intp piece = std::min(StridedBuffer, count - done);
        for (npy_intp i = 0; i < piece; ++i)
            std::memcpy(source + 4 * i, in + (done + i) * steps[0], 4);
        convert(source, target, piece);
        for (npy_intp i = 0; i < piece; ++i)
            std::memcpy(out + (done + i) * steps[1], target + 4 * i, 4);
    }
}

PyUFuncGenericFunction ibmToFloatLoops[] = {WordLoop<IbmWordsToFloats>};
PyUFuncGenericFunction floatToIbmLoops[] = {WordLoop<FloatsToIbmWords>};
PyUFuncGenericFunction floatToIbmRoundedLoops[] = {WordLoop<FloatsToIbmWordsRounded>};
char ibmToFloatTypes[] = {NPY_UINT32, NPY_FLOAT32};
char floatToIbmTypes[] = {NPY_FLOAT32, NPY_UINT32};
void* noData[] = {nullptr};

bool AddUfunc(PyObject* module, PyUFuncGenericFunction* loops, char* types, const char* name,
              const char* doc)
{
    PyObject* ufunc =
        PyUFunc_FromFuncAndData(loops, noData, types, 1, 1, 1, PyUFunc_None, name, doc, 0);
    return ufunc != nullptr && PyModule_AddObject(module, name, ufunc) == 0;
}

} // namespace

bool AddUfuncs(PyObject* module)
{
    return AddUfunc(module, ibmToFloatLoops, ibmToFloatTypes, "ibm_to_float32",
                    "ibm_to_float32(words, /, out=None, **kwargs)\n--\n\n"
                    "IBM System/360 single-precision words (uint32 in the machine's order; "
                    "a file's bytes as a '>u4' or '<u4' view) to float32, exact wherever the "
                    "float range reaches. Unnormalised words are read as they stand, values "
                    "below the range become subnormals or a zero of the word's sign, values "
                    "above it the largest float of that sign; never an infinity or a NaN.") &&
           AddUfunc(module, floatToIbmLoops, floatToIbmTypes, "float32_to_ibm",
                    "float32_to_ibm(values, /, out=None, **kwargs)\n--\n\n"
                    "float32 to IBM System/360 single-precision words (uint32 in the machine's "
                    "order), truncated toward zero. Zeros keep their sign; infinities and NaNs "
                    "give the IBM value of largest magnitude with the float's sign. Use "
                    "`.astype('>u4')` for a file's big-endian bytes.") &&
           AddUfunc(module, floatToIbmRoundedLoops, floatToIbmTypes, "float32_to_ibm_rounded",
                    "float32_to_ibm_rounded(values, /, out=None, **kwargs)\n--\n\n"
                    "float32_to_ibm rounded to the nearest IBM value, ties to the even "
                    "fraction: no bias toward zero, at most half a unit of the last "
                    "hexadecimal place off.");
}
