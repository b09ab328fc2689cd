// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Throughput of the conversion library on seismic-like data: the IBM float
// conversions in both byte orders (dispatched and on each path), the plain
// per-sample loops, big-endian file words converted in place in one pass and
// in two, the peer library's conversion, the EBCDIC text conversions, and
// memcpy of the same bytes as the bound that memory bandwidth sets. Every
// result is checked before anything is timed.

#include "agreement.h"
#include "ibmpaths.h"
#include "samples.h"
#include "scalarloop.h"
#include "zelfunctions.h"
#ifdef ZEL_BENCH_WITH_PEER
#include "peer.h"
#endif

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

namespace zelbench {

namespace {

// 4 KiB stays in the first-level cache, 1 MiB in the second, 64 MiB goes
// (mostly) to memory.
constexpr std::int64_t kSizes[] = {std::int64_t(4) << 10, std::int64_t(1) << 20,
                                   std::int64_t(64) << 20};
constexpr std::int64_t kLargestSize = std::int64_t(64) << 20;
// In-place conversions of smaller sizes cycle through copies of their input
// that fill this much of the first-level cache.
constexpr std::int64_t kRefillSpan = std::int64_t(32) << 10;

int SamplesIn(std::int64_t bytes)
{
    return int(bytes / 4);
}

void AddSizes(benchmark::internal::Benchmark* benchmark)
{
    for (std::int64_t size : kSizes)
        benchmark->Arg(size);
}

// Times are the benchmark thread's CPU time, so that other processes on a
// shared machine slow the figures down as little as possible.

// Times `convert(bytes)`, which reads one buffer and writes another.
template<typename Convert>
void RegisterOutOfPlace(const std::string& name, Convert convert)
{
    auto* benchmark =
        benchmark::RegisterBenchmark(name.c_str(), [convert](benchmark::State& state) {
            const std::int64_t bytes = state.range(0);
            for (auto _ : state) {
                convert(bytes);
                benchmark::ClobberMemory();
            }
            state.SetBytesProcessed(state.iterations() * bytes);
        });
    AddSizes(benchmark);
}

// Times `convert(buffer, bytes)`, which converts in place, so every call
// needs fresh input. The work buffer holds as many copies of the input as
// fit in kRefillSpan (at least one), refilled outside the timed span once all
// have been converted: small sizes stay in the first-level cache and pay for
// pausing the timer only once per several calls.
template<typename Convert>
void RegisterInPlace(const std::string& name, const Buffer& input, Buffer& work, Convert convert)
{
    auto* benchmark = benchmark::RegisterBenchmark(
        name.c_str(), [&input, &work, convert](benchmark::State& state) {
            const std::int64_t bytes = state.range(0);
            const std::int64_t copies = std::max<std::int64_t>(1, kRefillSpan / bytes);
            std::int64_t next = copies;
            for (auto _ : state) {
                if (next == copies) {
                    state.PauseTiming();
                    for (std::int64_t copy = 0; copy < copies; ++copy)
                        std::memcpy(work.bytes() + copy * bytes, input.bytes(), std::size_t(bytes));
                    next = 0;
                    state.ResumeTiming();
                }
                convert(work.bytes() + next * bytes, bytes);
                benchmark::ClobberMemory();
                ++next;
            }
            state.SetBytesProcessed(state.iterations() * bytes);
        });
    AddSizes(benchmark);
}

// Registers one IBM conversion through the dispatching function and forced
// onto each path the processor can run.
template<typename Dispatched, typename OnPath>
void RegisterIbmConversion(const std::string& name, Dispatched dispatched, OnPath onPath)
{
    RegisterOutOfPlace(name + "/dispatched", dispatched);
    for (zel::IbmPath path : zel::AvailableIbmPaths()) {
        RegisterOutOfPlace(name + "/" + zel::IbmPathName(path),
                           [onPath, path](std::int64_t bytes) { onPath(path, bytes); });
    }
}

void RegisterBenchmarks(SampleBuffers& data, Buffer& out)
{
    RegisterOutOfPlace("memcpy", [&](std::int64_t bytes) {
        std::memcpy(out.bytes(), data.ibmWords.bytes(), std::size_t(bytes));
    });

    char* ibmWords = data.ibmWords.chars();
    float* toFloats = out.floats();
    RegisterIbmConversion(
        "IbmToFloat", [=](std::int64_t bytes) { IbmToFloat(ibmWords, toFloats, SamplesIn(bytes)); },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IbmToIeee, false, false, ibmWords,
                              reinterpret_cast<char*>(toFloats), SamplesIn(bytes));
        });
    RegisterOutOfPlace("IbmToFloat/loop", [=](std::int64_t bytes) {
        LoopIbmToFloat(ibmWords, toFloats, SamplesIn(bytes));
    });

    float* floats = data.floats.floats();
    char* toIbmWords = out.chars();
    RegisterIbmConversion(
        "FloatToIbm", [=](std::int64_t bytes) { FloatToIbm(floats, toIbmWords, SamplesIn(bytes)); },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IeeeToIbm, false, false,
                              reinterpret_cast<char*>(floats), toIbmWords, SamplesIn(bytes));
        });
    RegisterOutOfPlace("FloatToIbm/loop", [=](std::int64_t bytes) {
        LoopFloatToIbm(floats, toIbmWords, SamplesIn(bytes));
    });

    // The same from and to words most significant byte first.
    char* bigEndianWords = data.ibmBigEndian.chars();
    RegisterIbmConversion(
        "IbmToFloatOrdered",
        [=](std::int64_t bytes) {
            IbmToFloatOrdered(bigEndianWords, toFloats, SamplesIn(bytes), 0);
        },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IbmToIeee, true, false, bigEndianWords,
                              reinterpret_cast<char*>(toFloats), SamplesIn(bytes));
        });
    RegisterIbmConversion(
        "FloatToIbmOrdered",
        [=](std::int64_t bytes) { FloatToIbmOrdered(floats, toIbmWords, SamplesIn(bytes), 0); },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IeeeToIbm, false, true,
                              reinterpret_cast<char*>(floats), toIbmWords, SamplesIn(bytes));
        });

    // Rounded, and file words to file words of the other format.
    RegisterIbmConversion(
        "FloatToIbmRounded",
        [=](std::int64_t bytes) { FloatToIbmRounded(floats, toIbmWords, SamplesIn(bytes)); },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IeeeToIbmRounded, false, false,
                              reinterpret_cast<char*>(floats), toIbmWords, SamplesIn(bytes));
        });
    RegisterIbmConversion(
        "IbmToIeeeOrdered",
        [=](std::int64_t bytes) {
            IbmToIeeeOrdered(bigEndianWords, toIbmWords, SamplesIn(bytes), 0);
        },
        [=](zel::IbmPath path, std::int64_t bytes) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IbmToIeee, true, true, bigEndianWords,
                              toIbmWords, SamplesIn(bytes));
        });

    // File words in place, the peer's job: in one pass, and in two.
    RegisterInPlace("BigEndianToFloat/IbmToFloatOrdered", data.ibmBigEndian, out,
                    [](unsigned char* words, std::int64_t bytes) {
                        IbmToFloatOrdered(reinterpret_cast<char*>(words),
                                          reinterpret_cast<float*>(words), SamplesIn(bytes), 0);
                    });
    RegisterInPlace("FloatToBigEndian/FloatToIbmOrdered", data.floats, out,
                    [](unsigned char* words, std::int64_t bytes) {
                        FloatToIbmOrdered(reinterpret_cast<float*>(words),
                                          reinterpret_cast<char*>(words), SamplesIn(bytes), 0);
                    });
    RegisterInPlace("BigEndianToFloat/ByteSwapArray+IbmToFloat", data.ibmBigEndian, out,
                    [](unsigned char* words, std::int64_t bytes) {
                        ByteSwapArray(words, 4, SamplesIn(bytes));
                        IbmToFloat(reinterpret_cast<char*>(words), reinterpret_cast<float*>(words),
                                   SamplesIn(bytes));
                    });
    RegisterInPlace("FloatToBigEndian/FloatToIbm+ByteSwapArray", data.floats, out,
                    [](unsigned char* words, std::int64_t bytes) {
                        FloatToIbm(reinterpret_cast<float*>(words), reinterpret_cast<char*>(words),
                                   SamplesIn(bytes));
                        ByteSwapArray(words, 4, SamplesIn(bytes));
                    });
#ifdef ZEL_BENCH_WITH_PEER
    RegisterInPlace(
        "BigEndianToFloat/peer", data.ibmBigEndian, out,
        [](unsigned char* words, std::int64_t bytes) { PeerToNative(words, SamplesIn(bytes)); });
    RegisterInPlace(
        "FloatToBigEndian/peer", data.floats, out,
        [](unsigned char* words, std::int64_t bytes) { PeerFromNative(words, SamplesIn(bytes)); });
#endif

    RegisterInPlace("EbcdicToAscii", data.ebcdicText, out,
                    [](unsigned char* text, std::int64_t bytes) {
                        EbcdicToAscii(reinterpret_cast<char*>(text), int(bytes));
                    });
    RegisterInPlace("AsciiToEbcdic", data.asciiText, out,
                    [](unsigned char* text, std::int64_t bytes) {
                        AsciiToEbcdic(reinterpret_cast<char*>(text), int(bytes));
                    });
}

} // namespace

} // namespace zelbench

int main(int argc, char** argv)
{
    using namespace zelbench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    SampleBuffers data(kLargestSize);
    const std::string fault = FirstDisagreement(data);
    if (!fault.empty()) {
        std::cerr << "zel-bench: results differ, nothing measured: " << fault << '\n';
        return 1;
    }
    std::cerr << "zel-bench: every path gives the plain loop's results on "
              << SamplesIn(kLargestSize) << " samples in each direction\n";
#ifdef ZEL_BENCH_WITH_PEER
    std::string peerSummary;
    const std::string peerFault = PeerDisagreement(data, peerSummary);
    if (!peerFault.empty()) {
        std::cerr << "zel-bench: the peer's results are off, nothing measured: " << peerFault
                  << '\n';
        return 1;
    }
    std::cerr << "zel-bench: peer: " << peerSummary << '\n';
    benchmark::AddCustomContext("peer", "libsegyio");
#else
    benchmark::AddCustomContext("peer", "not found at build time");
#endif
    benchmark::AddCustomContext("ibm_path_in_use", zel::IbmPathName(zel::IbmPathInUse()));
    benchmark::AddCustomContext("compiler", ZEL_BENCH_COMPILER);
    benchmark::AddCustomContext("build_type", ZEL_BENCH_BUILD_TYPE);

    Buffer out(kLargestSize);
    // Fault the pages in now rather than in the first timed conversion.
    std::memset(out.bytes(), 0, out.size());
    RegisterBenchmarks(data, out);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
