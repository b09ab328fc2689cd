# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""Exact conversions of seismic sample encodings and a SEG-Y and SU reader,
on the ZEL Vornik libraries.

numpy ufuncs (they broadcast, take out=, and work on Dask arrays):
    ibm_to_float32          IBM words (uint32) to float32
    float32_to_ibm          float32 to IBM words, truncated
    float32_to_ibm_rounded  float32 to IBM words, rounded to nearest

Text: ebcdic_to_ascii, ascii_to_ebcdic, decode_text_header.

Files: open(path) gives a SegyFile with its textual and binary headers,
headers(), traces, geometry, cube(), to_xarray() and to_dask();
to_zarr() and from_zarr() store a file in Zarr and write it back.
Errors are SegyError.
"""

from ._errors import SegyError
from ._zelsegy import (__version__, ascii_to_ebcdic, decode_text_header, ebcdic_to_ascii, float32_to_ibm,
                       float32_to_ibm_rounded, ibm_to_float32)
from ._file import (Finding, Geometry, HeaderField, NumberRange, SegyFile, Traces, find_field,
                    open, trace_fields)
from ._zarr import encode_samples, from_zarr, to_zarr

__all__ = [
    "SegyError", "ibm_to_float32", "float32_to_ibm", "float32_to_ibm_rounded", "ebcdic_to_ascii",
    "ascii_to_ebcdic", "decode_text_header", "open", "SegyFile", "Traces", "Geometry",
    "NumberRange", "Finding", "HeaderField", "find_field", "trace_fields", "to_zarr",
    "from_zarr", "encode_samples",
]
