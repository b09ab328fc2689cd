// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELFUNCTIONS_H
#define ZELFUNCTIONS_H

/**
 * @file
 * Conversions between the field encodings of binary seismic data exchange
 * formats and native values, plus an environment lookup and the month and
 * year name lists.
 *
 * Every function works on caller-owned buffers of explicit length, keeps no
 * state, reports no errors (every input has a defined result) and may be
 * called from any thread. Buffers carry no alignment promise. A count of
 * zero or less touches nothing. The results are the same whether plain char
 * is signed or unsigned.
 *
 * IbmToFloat() and FloatToIbm() hold an IBM System/360 single-precision word
 * in memory least significant byte first (the fourth byte carries the sign
 * and the excess-64 power of sixteen). Files and IBM systems write words most
 * significant byte first: IbmToFloatOrdered() and FloatToIbmOrdered() read
 * and write them in that order in one pass, and IbmToIeeeOrdered() and
 * IeeeToIbmOrdered() turn file words into file words of the other format in
 * the same order, IEEE ones included. These truncate toward zero; the
 * Rounded forms from IEEE to IBM round to nearest, ties to even. Every
 * function works in place when input and output are the same buffer.
 *
 * The IBM conversions and ByteSwapArray() are vectorised: besides portable
 * code there are SSE2, AVX2 and AVX-512 (F and BW) versions, which give the
 * same results bit for bit. The fastest one the processor runs is chosen at
 * the first call; the environment variable ZEL_SIMD (scalar, sse2, avx2 or
 * avx512), read then, forces a slower one, for tests and measurements.
 * The vector versions write converted outputs of 16 MiB and more with
 * streaming stores.
 */

#include "zelfunctions_export.h"

#include <QString>

// ---- EBCDIC text ----------------------------------------------------------

/// Converts the first @p count bytes of @p string from 7-bit ASCII to EBCDIC,
/// in place. The 95 printable characters (space to tilde) are mapped; every
/// other byte (controls, DEL, 0x80-0xFF) becomes 0x00. The tilde has no code
/// of its own and is written as 0x60, the hyphen-minus. NUL bytes are
/// converted like any other; no terminator is looked for or added. The
/// mapping agrees with code page 1047 but for five characters: "#", "{",
/// "|" and "}" have the codes 0x4A, 0x8B, 0x6A and 0x9B, and "~" reads back
/// as "-"; the code page 1047 codes of these five (0x7B, 0xC0, 0x4F, 0xD0,
/// 0xA1) read as ".".
ZELFUNCTIONS_EXPORT void AsciiToEbcdic(char* string, int count);

/// Converts the first @p count bytes of @p string from EBCDIC to ASCII, in
/// place. The 94 mapped EBCDIC codes give their printable character; every
/// other byte gives ".", so the result never holds a control character.
ZELFUNCTIONS_EXPORT void EbcdicToAscii(char* string, int count);

// ---- Packed integers ------------------------------------------------------

/// Value of the packed decimal number whose first byte is @p byteOffset bytes
/// after @p bcdValue: @p numberOfDigits nibbles, high nibble before low nibble,
/// starting at the low nibble of that byte when @p oddBit is true. Nibbles
/// 0xA-0xF count as 10-15. Exactly the bytes that hold the requested nibbles
/// are read, whatever the count; the value wraps modulo 2^32 (numbers of up
/// to nine digits are exact). A count of zero or less reads nothing and
/// gives 0.
ZELFUNCTIONS_EXPORT int BcdToInt(char* bcdValue, int byteOffset, bool oddBit, int numberOfDigits);

/// Reverses, in place, the order of the @p wordSize bytes at @p x for a
/// @p wordSize of 2, 4 or 8. Any other size leaves the bytes untouched.
ZELFUNCTIONS_EXPORT void ByteSwap(unsigned char* x, int wordSize);

/// Reverses, in place, the bytes of each of the @p words consecutive words of
/// @p wordSize bytes at @p x, as ByteSwap does for one, for a @p wordSize of 2,
/// 4 or 8; any other size leaves the bytes untouched. Turns a whole array of
/// file words, most significant byte first, into least significant byte
/// first, and back. IBM samples need no separate pass: IbmToFloatOrdered and
/// FloatToIbmOrdered read and write them in either order.
ZELFUNCTIONS_EXPORT void ByteSwapArray(unsigned char* x, int wordSize, int words);

/// Unsigned value (0 to 16777215) of the three bytes at @p buf: most
/// significant byte first for an @p inputByteOrder of 0, least significant
/// first for any other value.
ZELFUNCTIONS_EXPORT unsigned int GetUnsigned3Byte(char* buf, int inputByteOrder);

/// Two's complement value (-8388608 to 8388607) of the three bytes at @p buf,
/// in the byte order of GetUnsigned3Byte.
ZELFUNCTIONS_EXPORT int Get3Byte(char* buf, int inputByteOrder);

// ---- IBM System/360 single-precision floating point -----------------------

/// Converts @p samples IBM words (four bytes each, at @p inData) into floats
/// at @p outData. Unnormalised words are accepted; values below the float
/// range become subnormals or a zero of the same sign; values above it
/// saturate to the largest finite float of the same sign (0x7F7FFFFF or
/// 0xFF7FFFFF), so a huge sample never becomes 0. Never produces an infinity
/// or a NaN.
ZELFUNCTIONS_EXPORT void IbmToFloat(char* inData, float* outData, int samples);

/// Converts @p samples floats at @p inData into IBM words (four bytes each) at
/// @p outData. Zeros keep their sign; subnormals give words of exponent 32 or
/// 33 (unnormalised below 2^-133); infinities and NaNs give the IBM value of
/// largest magnitude with the float's sign.
ZELFUNCTIONS_EXPORT void FloatToIbm(float* inData, char* outData, int samples);

/// IbmToFloat for IBM words in the byte order @p inputByteOrder, as
/// GetUnsigned3Byte takes it: most significant byte first for 0, least
/// significant first for any other value. The same results as ByteSwapArray
/// on the words (for an order of 0) followed by IbmToFloat, without touching
/// @p inData unless it is @p outData.
ZELFUNCTIONS_EXPORT void IbmToFloatOrdered(char* inData, float* outData, int samples,
                                           int inputByteOrder);

/// FloatToIbm writing IBM words in the byte order @p outputByteOrder: most
/// significant byte first for 0, least significant first for any other
/// value. The same results as FloatToIbm followed by ByteSwapArray on the
/// words (for an order of 0).
ZELFUNCTIONS_EXPORT void FloatToIbmOrdered(float* inData, char* outData, int samples,
                                           int outputByteOrder);

/// FloatToIbm rounded to the nearest IBM value, ties to the even fraction,
/// instead of truncated: no sample is biased toward zero, and each is off by
/// at most half a unit of its last hexadecimal place. Zeros, subnormals,
/// infinities and NaNs give what FloatToIbm gives; rounding never reaches
/// the next power of sixteen, since a float's 24 bits need at most three
/// fewer.
ZELFUNCTIONS_EXPORT void FloatToIbmRounded(float* inData, char* outData, int samples);

/// FloatToIbmRounded writing IBM words in the byte order @p outputByteOrder,
/// as FloatToIbmOrdered does.
ZELFUNCTIONS_EXPORT void FloatToIbmRoundedOrdered(float* inData, char* outData, int samples,
                                                  int outputByteOrder);

/// IbmToFloat from IBM words to IEEE single-precision words, both in the byte
/// order @p byteOrder (most significant byte first for 0, least significant
/// first for any other value), in one pass: a file's samples to another
/// file's. The same results as IbmToFloatOrdered followed by ByteSwapArray
/// on the floats when their order is not the host's.
ZELFUNCTIONS_EXPORT void IbmToIeeeOrdered(char* inData, char* outData, int samples, int byteOrder);

/// FloatToIbm from IEEE single-precision words to IBM words, both in the byte
/// order @p byteOrder, in one pass.
ZELFUNCTIONS_EXPORT void IeeeToIbmOrdered(char* inData, char* outData, int samples, int byteOrder);

/// IeeeToIbmOrdered rounded as FloatToIbmRounded rounds.
ZELFUNCTIONS_EXPORT void IeeeToIbmRoundedOrdered(char* inData, char* outData, int samples,
                                                 int byteOrder);

// ---- Environment and calendar ---------------------------------------------

/// Value of the first environment variable whose whole name matches the
/// regular expression @p envName (case-sensitive), everything after the first
/// "=" of its entry, unchanged: GetEnv("AB") finds AB even when ABC comes
/// first, and GetEnv("AB.") finds ABC. An empty string when nothing matches,
/// when @p envName is empty or when the pattern is invalid; an entry without
/// "=" matches nothing.
ZELFUNCTIONS_EXPORT QString GetEnv(QString envName);

/// Display names of the months, indexed by month number 1-12; index 0 is
/// "not set". Built before main() and alive until after it returns.
extern ZELFUNCTIONS_EXPORT QString MonthNames[13];

/// Display names of the years 2001-2020 at indices 1-20; index 0 is
/// "not set". Built before main() and alive until after it returns.
extern ZELFUNCTIONS_EXPORT QString YearNames[21];

#endif // ZELFUNCTIONS_H
