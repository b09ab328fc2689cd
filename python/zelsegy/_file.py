# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""A SEG-Y or SU file opened for reading: its layout, headers, traces,
geometry, and the arrays built from them."""

from __future__ import annotations

import dataclasses
import os
from typing import Any, Dict, List, Mapping, NamedTuple, Optional, Sequence, Tuple, Union

import numpy as np

from . import _zelsegy
from ._errors import SegyError

TEXT_CODES = {None: 0, "detect": 0, "ebcdic": 1, "ascii": 2}
ORDER_CODES = {None: -1, "big": 0, ">": 0, "little": 1, "<": 1}
# Bytes of float32 samples in a chunk of to_dask(), and in a run of cube(),
# when the caller names no chunk size.
DEFAULT_CHUNK_BYTES = 64 << 20


class Finding(NamedTuple):
    """A remark on how a file's layout was settled."""

    what: str
    offset: int
    override: str


class HeaderField(NamedTuple):
    """A trace header field: its name, keyword, first byte (from 0), width,
    type code ('i' signed, 'u' unsigned, 'f' IEEE double) and the offset of
    the scalar that applies to it (-1 for none)."""

    name: str
    keyword: str
    offset: int
    bytes: int
    type: str
    scalar_offset: int


@dataclasses.dataclass(frozen=True)
class NumberRange:
    """Numbers from `first` to `last` in steps of `step`, `count` of them."""

    first: int
    last: int
    step: int
    count: int

    def values(self) -> np.ndarray:
        """The numbers, as an int64 array."""
        return self.first + self.step * np.arange(self.count, dtype=np.int64)


@dataclasses.dataclass(frozen=True)
class Geometry:
    """The survey's structure as the trace headers give it.

    `kind` is "none", "2d", "post-stack 3d" or "pre-stack 3d"; `sorting`
    "inline" (crossline numbers vary fastest), "crossline" or "none";
    `inline_byte` and `crossline_byte` are the fields' first bytes, from 1
    (the ensemble field in 2-D, crossline 0). `corners` holds (inline,
    crossline, x, y) of the four corners of a 3-D grid, x and y None where
    the bin has no trace."""

    kind: str
    inline_byte: int
    crossline_byte: int
    sorting: str
    inlines: NumberRange
    crosslines: NumberRange
    bins: int
    occupied_bins: int
    most_traces_per_bin: int
    fewest_traces_per_bin: int
    offsets: int
    missing_bins: int
    first_missing: List[Tuple[int, int]]
    duplicates: int
    first_duplicates: List[Tuple[int, int]]
    corners: List[Tuple[int, int, Optional[float], Optional[float]]]

    @property
    def regular(self) -> bool:
        """Whether every bin of a post-stack grid holds exactly one trace."""
        return (self.kind == "post-stack 3d" and self.missing_bins == 0
                and self.duplicates == 0)


def find_field(field: Union[str, int]) -> HeaderField:
    """The trace header field that `field` names: a keyword or name (any
    case), a first byte from 1, or "BYTE:WIDTH" for a signed integer of
    width 1, 2, 4 or 8. ValueError when it names none."""
    found = _zelsegy._find_field(str(field))
    if found is None:
        raise ValueError(f"no trace header field is called {field!r}")
    return HeaderField(*found)


def trace_fields() -> List[HeaderField]:
    """The fields of the standard 240-byte trace header, in order."""
    return [HeaderField(*field) for field in _zelsegy._trace_fields()]


def _field_values(raw: np.ndarray, field: HeaderField, order: str) -> np.ndarray:
    """The values of `field` in the rows of header bytes `raw`."""
    kind = field.type + str(field.bytes)
    prefix = ">" if order == "big" else "<"
    columns = np.ascontiguousarray(raw[:, field.offset:field.offset + field.bytes])
    return columns.view(prefix + kind).reshape(-1).astype(kind)


def _read_block(path: bytes, offset: int, stride: int, count: int, header_bytes: int,
                samples: int, format_code: int, order: int) -> np.ndarray:
    """The float32 samples of `count` traces evenly placed in the file: a
    task of to_dask(), which carries only the path and the byte ranges."""
    return _zelsegy._read_traces(path, offset, stride, count, header_bytes, samples,
                                 format_code, order)


def _read_header_block(path: bytes, offset: int, stride: int, count: int,
                       length: int) -> np.ndarray:
    """The first `length` bytes of `count` evenly placed traces."""
    return _zelsegy._read_trace_bytes(path, offset, stride, count, length)


class Traces:
    """The traces of a file as float32 arrays: `traces[i]` one trace,
    `traces[a:b:c]` or `traces[[i, j, ...]]` a 2-D array of them (a list of
    arrays when the traces vary in length). Each read converts the samples
    as it reads them; nothing is kept in memory."""

    def __init__(self, file: "SegyFile"):
        self._file = file

    def __len__(self) -> int:
        return self._file.tracecount

    def __iter__(self):
        for index in range(len(self)):
            yield self[index]

    def __getitem__(self, key):
        file = self._file
        count = len(self)
        if isinstance(key, (int, np.integer)):
            index = int(key) + count if key < 0 else int(key)
            if not 0 <= index < count:
                raise IndexError(f"trace {key} of a file of {count} traces")
            return file._read_evenly(index, 1, 1)[0]
        if isinstance(key, slice):
            first, end, step = key.indices(count)
            if step < 0:
                picked = range(first, end, step)
                if not picked:
                    return file._read_evenly(0, 0, 1)
                rows = file._read_evenly(picked[-1], len(picked), -step)
                return rows[::-1]
            return file._read_evenly(first, len(range(first, end, step)), step)
        indices = np.asarray(key)
        if indices.dtype == bool:
            indices = np.flatnonzero(indices)
        indices = np.where(indices < 0, indices + count, indices).astype(np.int64).reshape(-1)
        if indices.size and (indices.min() < 0 or indices.max() >= count):
            raise IndexError(f"a trace index outside a file of {count} traces")
        rows = [file._read_evenly(int(index), 1, 1)[0] for index in indices]
        if not file.fixed_length:
            return rows
        return np.stack(rows) if rows else np.empty((0, file.samples), np.float32)


class SegyFile:
    """A SEG-Y or SU file opened by `zelsegy.open`. The file is read when
    asked, a range at a time; the object holds its layout and headers only.

    Attributes:
        path: the file's name.
        kind: "segy" or "su".
        byteorder: "big" or "little", as declared or as inferred.
        format: the sample format code; format_name what it means.
        samples: samples per trace (the binary header's; traces may differ
            when `fixed_length` is false).
        sample_interval: microseconds (or the survey's depth unit).
        tracecount: the number of traces; also len(file).
        text: the textual headers decoded as their writers meant them, 40
            lines of 80 characters each; text[0] is the main one.
        textual_bytes: the textual headers' bytes as they stand.
        binary_header: the binary header's fields by name (SampleInterval,
            SampleFormat, ...); empty for SU.
        notes: remarks on how the layout was settled (Finding tuples).
        traces: the traces (see Traces).
    """

    def __init__(self, path: Union[str, bytes, os.PathLike], byteorder: Optional[str] = None,
                 format: Optional[int] = None, samples: Optional[int] = None,
                 text: Optional[str] = None, salvage: bool = False,
                 iline: Optional[int] = None, xline: Optional[int] = None):
        if byteorder not in ORDER_CODES:
            raise ValueError(f"byteorder must be 'big' or 'little', not {byteorder!r}")
        if text not in TEXT_CODES:
            raise ValueError(f"text must be 'ebcdic', 'ascii' or 'detect', not {text!r}")
        if (iline is None) != (xline is None):
            raise ValueError("iline and xline are given together")
        self.path = os.fsdecode(path)
        self._path = os.fsencode(path)
        self._overrides = (ORDER_CODES[byteorder], int(format or 0), int(samples or 0),
                           TEXT_CODES[text], bool(salvage))
        self._lines = (int(iline or 0), int(xline or 0))
        layout = _zelsegy._layout(self._path, *self._overrides)
        self._layout = layout
        self.kind: str = layout["kind"]
        self.byteorder: str = layout["byteorder"]
        self.format: int = layout["format"]
        self.format_name: str = layout["format_name"]
        self.samples: int = layout["samples"]
        self.sample_interval: float = layout["sample_interval"]
        self.tracecount: int = layout["traces"]
        self.fixed_length: bool = layout["fixed_length"]
        self.revision: Tuple[int, int] = layout["revision"]
        self.text: List[str] = layout["text"]
        self.textual_bytes: List[bytes] = layout["textual"]
        self.binary_bytes: bytes = layout["binary"]
        self.binary_header: Dict[str, Union[int, float]] = {
            name: value for name, _keyword, _offset, value in layout["binary_fields"]}
        self.notes: List[Finding] = [Finding(*note) for note in layout["notes"]]
        self.traces = Traces(self)
        self._geometry: Optional[Geometry] = None

    def __repr__(self) -> str:
        return (f"<zelsegy.SegyFile {self.path!r}: {self.kind}, {self.tracecount} traces of "
                f"{self.samples} samples, format {self.format}, {self.byteorder}-endian>")

    def __len__(self) -> int:
        return self.tracecount

    def __enter__(self) -> "SegyFile":
        return self

    def __exit__(self, *exc_info) -> None:
        return None

    @property
    def header_bytes(self) -> int:
        """Bytes of each trace's headers: the standard 240 and the additional ones."""
        return 240 * (1 + self._layout["extra_trace_headers"])

    @property
    def layout(self) -> Mapping[str, Any]:
        """Where everything lies: data_offset, trace_bytes, data_end,
        trailer_stanzas, lost_bytes, extended_headers and the rest."""
        return {key: value for key, value in self._layout.items()
                if key not in ("textual", "text", "binary", "binary_fields", "notes")}

    def _order_code(self) -> int:
        return 0 if self.byteorder == "big" else 1

    def _trace_place(self, index: int) -> Tuple[int, int, int]:
        """Offset, header bytes and sample count of trace `index`."""
        if self.fixed_length:
            layout = self._layout
            return (layout["data_offset"] + index * layout["trace_bytes"], self.header_bytes,
                    self.samples)
        layout = self._layout
        return (int(layout["trace_offsets"][index]), int(layout["trace_header_bytes"][index]),
                int(layout["trace_samples"][index]))

    def _evenly(self, first: int, step: int) -> Tuple[int, int]:
        return (self._layout["data_offset"] + first * self._layout["trace_bytes"],
                step * self._layout["trace_bytes"])

    def _read_evenly(self, first: int, count: int, step: int):
        """The samples of `count` traces from `first`, every `step`-th."""
        if not self.fixed_length:
            rows = []
            for index in range(first, first + count * step, step):
                offset, header_bytes, samples = self._trace_place(index)
                rows.append(_read_block(self._path, offset, 0, 1, header_bytes, samples,
                                        self.format, self._order_code())[0])
            return rows
        offset, stride = self._evenly(first, step)
        return _read_block(self._path, offset, stride, count, self.header_bytes, self.samples,
                           self.format, self._order_code())

    def trace_header_bytes(self, traces: Union[slice, range, None] = None,
                           length: Optional[int] = None) -> np.ndarray:
        """The headers of `traces` (a slice or range; all by default) as
        they stand in the file, one uint8 row of `length` bytes each (the
        standard and additional headers by default)."""
        length = self.header_bytes if length is None else length
        picked = range(self.tracecount)[traces if traces is not None else slice(None)]
        if isinstance(picked, int):
            picked = range(picked, picked + 1)
        if not self.fixed_length or picked.step < 0:
            rows = [_read_header_block(self._path, self._trace_place(i)[0], 0, 1, length)
                    for i in picked]
            return np.concatenate(rows) if rows else np.empty((0, length), np.uint8)
        offset, stride = self._evenly(picked.start, picked.step)
        return _read_header_block(self._path, offset, stride, len(picked), length)

    def headers(self, fields: Optional[Sequence[Union[str, int]]] = None,
                traces: Union[slice, range, None] = None) -> np.ndarray:
        """The trace header fields `fields` of `traces` as a numpy
        structured array, one record per trace, values as they stand
        (scalars not applied). Fields are named by keyword ("cdp"), name
        ("CdpNumber"), first byte from 1 (21) or "BYTE:WIDTH" ("221:4"); the
        records' field names are the names given. All standard fields by
        their names by default."""
        if fields is None:
            chosen = [(field.name, field) for field in trace_fields()]
        else:
            chosen = [(str(name), find_field(name)) for name in fields]
        raw = self.trace_header_bytes(traces, 240)
        result = np.empty(len(raw), dtype=[(name, field.type + str(field.bytes))
                                           for name, field in chosen])
        for name, field in chosen:
            result[name] = _field_values(raw, field, self.byteorder)
        return result

    @property
    def geometry(self) -> Geometry:
        """The survey's grid as the trace headers give it (read once, on
        first use, with the iline and xline fields given to open())."""
        if self._geometry is None:
            found = _zelsegy._geometry(self._path, *self._overrides, *self._lines)
            found["inlines"] = NumberRange(**found["inlines"])
            found["crosslines"] = NumberRange(**found["crosslines"])
            self._geometry = Geometry(**found)
        return self._geometry

    def _cube_positions(self) -> Tuple[Geometry, np.ndarray]:
        """The geometry of a regular cube and the flat bin of each trace."""
        geometry = self.geometry
        if not geometry.regular or not self.fixed_length:
            raise SegyError(
                f"the traces are no regular cube: a {geometry.kind} survey with "
                f"{geometry.missing_bins} missing bins and {geometry.duplicates} repeated ones"
                + ("" if self.fixed_length else ", of traces that vary in length"))
        lines = self.headers([f"{geometry.inline_byte}:4", f"{geometry.crossline_byte}:4"])
        inlines = (lines[f"{geometry.inline_byte}:4"] - geometry.inlines.first) // geometry.inlines.step
        crosslines = ((lines[f"{geometry.crossline_byte}:4"] - geometry.crosslines.first)
                      // geometry.crosslines.step)
        return geometry, inlines * geometry.crosslines.count + crosslines

    def cube(self) -> np.ndarray:
        """The samples of a regular post-stack cube as a float32 array of
        shape (inlines, crosslines, samples), inline and crossline numbers
        rising, whatever order the traces are in. SegyError when a bin is
        missing or repeated."""
        geometry, bins = self._cube_positions()
        shape = (geometry.inlines.count, geometry.crosslines.count, self.samples)
        if np.array_equal(bins, np.arange(self.tracecount)):
            return self.traces[:].reshape(shape)
        cube = np.empty((self.tracecount, self.samples), np.float32)
        per_run = max(1, DEFAULT_CHUNK_BYTES // max(1, 4 * self.samples))
        for first in range(0, self.tracecount, per_run):
            end = min(self.tracecount, first + per_run)
            cube[bins[first:end]] = self.traces[first:end]
        return cube.reshape(shape)

    def times(self) -> np.ndarray:
        """The time of each sample in milliseconds, from the first trace's
        delay recording time (bytes 109-110) in steps of the interval."""
        delay = self.headers(["109"], slice(0, 1))["109"] if self.tracecount else [0]
        return float(delay[0]) + self.sample_interval / 1000.0 * np.arange(self.samples)

    def to_xarray(self):
        """The samples as an xarray.DataArray: dimensions inline, crossline
        and time for a regular cube, else trace and time; time in ms."""
        import xarray

        attrs = {"path": self.path, "format": self.format,
                 "sample_interval_us": self.sample_interval}
        if self.fixed_length and self.geometry.regular:
            geometry = self.geometry
            return xarray.DataArray(
                self.cube(), dims=("inline", "crossline", "time"),
                coords={"inline": geometry.inlines.values(),
                        "crossline": geometry.crosslines.values(), "time": self.times()},
                name="amplitude", attrs=attrs)
        if not self.fixed_length:
            raise SegyError("the traces vary in length: they make no 2-D array")
        return xarray.DataArray(self.traces[:], dims=("trace", "time"),
                                coords={"trace": np.arange(self.tracecount), "time": self.times()},
                                name="amplitude", attrs=attrs)

    def _chunk_counts(self, chunks: Union[int, str, None]) -> Tuple[int, ...]:
        if chunks in (None, "auto"):
            per_chunk = max(1, DEFAULT_CHUNK_BYTES // max(1, 4 * self.samples))
        elif isinstance(chunks, tuple):
            per_chunk = int(chunks[0])
        else:
            per_chunk = int(chunks)
        if per_chunk < 1:
            raise ValueError("a chunk holds one trace at least")
        full, rest = divmod(self.tracecount, per_chunk)
        return (per_chunk,) * full + ((rest,) if rest else ())

    def _dask_array(self, name: str, chunk_counts: Tuple[int, ...], task, width: int, dtype):
        import dask.array
        from dask.base import tokenize

        if not self.fixed_length:
            raise SegyError("the traces vary in length: they make no 2-D array")
        status = os.stat(self._path)
        token = tokenize(self._path, status.st_size, status.st_mtime_ns, self._overrides,
                         chunk_counts, name)
        key = f"zelsegy-{name}-{token}"
        graph = {}
        first = 0
        for number, count in enumerate(chunk_counts):
            graph[(key, number, 0)] = task(first, count)
            first += count
        return dask.array.Array(graph, key, chunks=(chunk_counts, (width,)), dtype=dtype)

    def to_dask(self, chunks: Union[int, str, None] = "auto"):
        """The samples as a lazy dask.array of shape (traces, samples),
        float32, `chunks` traces per chunk (about 64 MiB each by default).
        Each task holds only the path and the byte range it reads, so it
        runs on any worker that sees the file at the same path."""
        counts = self._chunk_counts(chunks)

        def task(first, count):
            offset, stride = self._evenly(first, 1)
            return (_read_block, self._path, offset, stride, count, self.header_bytes,
                    self.samples, self.format, self._order_code())

        return self._dask_array("samples", counts, task, self.samples, np.float32)

    def header_bytes_dask(self, chunks: Union[int, str, None] = "auto"):
        """The trace headers' bytes as a lazy dask.array of shape (traces,
        header_bytes), uint8, chunked as to_dask() chunks the samples."""
        counts = self._chunk_counts(chunks)

        def task(first, count):
            offset, stride = self._evenly(first, 1)
            return (_read_header_block, self._path, offset, stride, count, self.header_bytes)

        return self._dask_array("headers", counts, task, self.header_bytes, np.uint8)


def open(path: Union[str, bytes, os.PathLike], *, byteorder: Optional[str] = None,
         format: Optional[int] = None, samples: Optional[int] = None,
         text: Optional[str] = None, salvage: bool = False, iline: Optional[int] = None,
         xline: Optional[int] = None) -> SegyFile:
    """Opens the SEG-Y or SU file at `path` and works out its layout from its
    headers and length. SegyError, naming the keyword that reads the file
    anyway where there is one, when it cannot be laid out as whole traces.

    What the caller knows better than the headers:
        byteorder: "big" or "little" instead of the file's own.
        format: a sample format code instead of the binary header's.
        samples: samples per trace instead of the headers'.
        text: "ebcdic" or "ascii" for the textual headers instead of telling
            by their content.
        salvage: read the whole traces of a file whose last one is cut short.
        iline, xline: first bytes (from 1) of the 4-byte inline and
            crossline fields for `geometry`, `cube()` and `to_xarray()`;
            by default the fields that give the fullest grid.
    """
    return SegyFile(path, byteorder=byteorder, format=format, samples=samples, text=text,
                    salvage=salvage, iline=iline, xline=xline)
