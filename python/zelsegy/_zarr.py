# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""SEG-Y to Zarr and back: the samples as float32 for analysis, every other
byte kept, so that the file written back is the file read."""

from __future__ import annotations

import builtins
import os
import tempfile
from typing import Optional, Union

import numpy as np

from . import _zelsegy
from ._errors import SegyError
from ._file import SegyFile, open as open_segy

# The version of the store's layout, in its attributes.
STORE_LAYOUT = 1

# Sample formats that numpy writes as they stand, by code.
NUMPY_FORMATS = {2: "i4", 3: "i2", 5: "f4", 6: "f8", 8: "i1", 9: "i8", 10: "u4", 11: "u2",
                 12: "u8", 16: "u1"}
THREE_BYTE_FORMATS = {7: True, 15: False}


def encode_samples(values: np.ndarray, format_code: int, byteorder: str) -> Optional[np.ndarray]:
    """The bytes of float32 samples `values` (traces by samples) in sample
    format `format_code` and `byteorder`, one uint8 row per trace; None for
    a format that cannot be written from floats (4, fixed point with gain).
    Integers are rounded to the nearest and, where the float is out of the
    format's range, come out wrong: the caller compares with the original."""
    prefix = ">" if byteorder == "big" else "<"
    rows = values.shape[0]
    if format_code == 1:
        words = _zelsegy.float32_to_ibm(values).astype(prefix + "u4")
        return words.view(np.uint8).reshape(rows, -1)
    with np.errstate(invalid="ignore", over="ignore"):
        if format_code in NUMPY_FORMATS:
            kind = NUMPY_FORMATS[format_code]
            source = values if kind.startswith("f") else np.rint(values.astype(np.float64))
            return source.astype(prefix + kind).view(np.uint8).reshape(rows, -1)
        if format_code in THREE_BYTE_FORMATS:
            integers = np.rint(values.astype(np.float64)).astype(np.int64).astype(">i4")
            wide = integers.view(np.uint8).reshape(rows, -1, 4)[:, :, 1:]
            if byteorder == "little":
                wide = wide[:, :, ::-1]
            return np.ascontiguousarray(wide).reshape(rows, -1)
    return None


def _inexact_rows(path: bytes, offset: int, count: int, header_bytes: int, samples: int,
                  sample_bytes: int, format_code: int, byteorder: str) -> np.ndarray:
    """The traces among `count` from `offset` whose samples do not come back
    byte for byte from their float32 values, by index within the block."""
    stride = header_bytes + samples * sample_bytes
    order = 0 if byteorder == "big" else 1
    raw = _zelsegy._read_trace_bytes(path, offset, stride, count, stride)[:, header_bytes:]
    values = _zelsegy._read_traces(path, offset, stride, count, header_bytes, samples,
                                   format_code, order)
    encoded = encode_samples(values, format_code, byteorder)
    if encoded is None:
        return np.arange(count, dtype=np.int64)
    return np.flatnonzero((encoded != raw).any(axis=1)).astype(np.int64)


def to_zarr(path: Union[str, os.PathLike], store, chunks: Union[int, str, None] = "auto",
            **overrides) -> SegyFile:
    """Writes the SEG-Y or SU file at `path` into the Zarr group `store` (a
    folder's name or a Zarr store) through Dask, with `chunks` traces per
    chunk. The group holds "data", the samples as float32 (traces by
    samples), and the bytes from which from_zarr() writes the same file
    again: "trace_headers", "textual", "binary", "tail" (what follows the
    last trace) and "raw_samples" with "raw_index" for the traces whose
    samples float32 does not hold exactly. `overrides` are those of
    zelsegy.open(). Returns the opened file."""
    import dask
    import dask.array
    import zarr

    file = open_segy(path, **overrides)
    if not file.fixed_length:
        raise SegyError("the traces vary in length: they make no 2-D array for the store")
    layout = file.layout
    group = zarr.open_group(store, mode="w")
    group.attrs.update({
        "zelsegy_layout": STORE_LAYOUT, "kind": file.kind, "byteorder": file.byteorder,
        "format": file.format, "samples": file.samples, "traces": file.tracecount,
        "sample_interval": file.sample_interval, "header_bytes": file.header_bytes})
    data = file.to_dask(chunks)
    headers = file.header_bytes_dask(chunks)
    row_chunks = data.chunks[0][0] if data.chunks[0] else 1
    targets = [
        group.create_dataset("data", shape=data.shape, chunks=(row_chunks, file.samples),
                             dtype=np.float32),
        group.create_dataset("trace_headers", shape=headers.shape,
                             chunks=(row_chunks, file.header_bytes), dtype=np.uint8)]
    inexact = []
    first = 0
    for count in data.chunks[0]:
        offset = layout["data_offset"] + first * layout["trace_bytes"]
        inexact.append(dask.delayed(_inexact_rows)(
            file._path, offset, count, file.header_bytes, file.samples,
            layout["sample_bytes"], file.format, file.byteorder) + first)
        first += count
    stored = dask.array.store([data, headers], targets, lock=False, compute=False)
    _, rows = dask.compute(stored, inexact)
    rows = np.concatenate(rows) if rows else np.empty(0, np.int64)

    group.array("raw_index", rows, dtype=np.int64)
    sample_bytes = layout["sample_bytes"] * file.samples
    raw = np.empty((len(rows), sample_bytes), np.uint8)
    for at, trace in enumerate(rows):
        raw[at] = file.trace_header_bytes(slice(int(trace), int(trace) + 1),
                                          file.header_bytes + sample_bytes)[0, file.header_bytes:]
    group.array("raw_samples", raw, dtype=np.uint8)
    group.array("textual", np.frombuffer(b"".join(file.textual_bytes), np.uint8), dtype=np.uint8)
    group.array("binary", np.frombuffer(file.binary_bytes, np.uint8), dtype=np.uint8)
    with builtins.open(file.path, "rb") as source:
        source.seek(layout["data_end"])
        group.array("tail", np.frombuffer(source.read(), np.uint8), dtype=np.uint8)
    return file


def from_zarr(store, path: Union[str, os.PathLike]) -> None:
    """Writes the SEG-Y or SU file that to_zarr() put into `store` to
    `path`, byte for byte the file it read: the samples of "data" in the
    file's own format, but for the traces of "raw_index", whose bytes come
    from "raw_samples".
    The file is written beside `path` and renamed over it when complete, so
    an existing file is replaced whole or not at all."""
    import zarr

    group = zarr.open_group(store, mode="r")
    attrs = group.attrs
    if attrs.get("zelsegy_layout") != STORE_LAYOUT:
        raise SegyError("the store was not written by zelsegy.to_zarr")
    data, headers = group["data"], group["trace_headers"]
    raw_index = group["raw_index"][:]
    raw_samples = group["raw_samples"]
    raw_at = {int(trace): at for at, trace in enumerate(raw_index)}
    target = os.fspath(path)
    folder = os.path.dirname(os.path.abspath(target))
    handle, temporary = tempfile.mkstemp(prefix=".zelsegy-", dir=folder)
    try:
        with os.fdopen(handle, "wb") as out:
            # The main textual header, the binary header, the extended ones.
            textual = group["textual"][:].tobytes()
            out.write(textual[:3200] + group["binary"][:].tobytes() + textual[3200:])
            per_run = data.chunks[0] or 1
            for first in range(0, data.shape[0], per_run):
                end = min(data.shape[0], first + per_run)
                samples = encode_samples(data[first:end], attrs["format"], attrs["byteorder"])
                if samples is None:
                    samples = np.empty((end - first, raw_samples.shape[1]), np.uint8)
                for trace in range(first, end):
                    if trace in raw_at:
                        samples[trace - first] = raw_samples[raw_at[trace]]
                out.write(np.concatenate([headers[first:end], samples], axis=1).tobytes())
            out.write(group["tail"][:].tobytes())
        os.chmod(temporary, 0o666 & ~_umask())
        os.replace(temporary, target)
    except BaseException:
        os.unlink(temporary)
        raise


def _umask() -> int:
    mask = os.umask(0)
    os.umask(mask)
    return mask

