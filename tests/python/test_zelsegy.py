# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""The Python package as its users meet it: the ufuncs against an
independent numpy decoding, the reader against segyio on files segyio
writes, hostile files, and the Dask, xarray and Zarr round trips."""
import json
import os
import subprocess

import numpy as np
import pytest

import zelsegy

FLT_MAX = np.finfo(np.float32).max


def ibm_value(words):
    """The exact value of IBM words, as float64 (which holds every one)."""
    words = words.astype(np.uint64)
    fraction = (words & 0xFFFFFF).astype(np.float64)
    exponent = ((words >> 24) & 0x7F).astype(np.int64)
    value = np.ldexp(fraction, 4 * (exponent - 64) - 24)
    return np.where(words >> 31 == 1, -value, value)


def toward_zero(exact):
    """float64 values to float32 truncated toward zero, saturating."""
    near = np.clip(exact, -FLT_MAX, FLT_MAX).astype(np.float32)
    over = np.abs(near.astype(np.float64)) > np.abs(exact)
    near[over] = np.nextafter(near[over], np.float32(0))
    return np.where(np.signbit(exact), -np.abs(near), np.abs(near))


def sample_words():
    rng = np.random.default_rng(24)
    words = rng.integers(0, 1 << 32, size=1 << 24, dtype=np.uint64).astype(np.uint32)
    # Every exponent with the smallest and largest fractions of each length.
    exponents = np.arange(128, dtype=np.uint32) << 24
    fractions = np.array([0, 1, 0xFFFFF, 0x100000, 0x800000, 0xFFFFFF], np.uint32)
    edges = (exponents[:, None] | fractions[None, :]).reshape(-1)
    return np.concatenate([words, edges, edges | 0x80000000])


def test_ibm_to_float32_matches_exact_decoding():
    words = sample_words()
    expected = toward_zero(ibm_value(words)).view(np.uint32)
    assert isinstance(zelsegy.ibm_to_float32, np.ufunc)
    got = zelsegy.ibm_to_float32(words).view(np.uint32)
    bad = np.flatnonzero(got != expected)
    assert bad.size == 0, [hex(w) for w in words[bad[:5]]]
    # A file's bytes, strided views and out= give the same.
    assert np.array_equal(zelsegy.ibm_to_float32(words.astype(">u4")).view(np.uint32), expected)
    assert np.array_equal(zelsegy.ibm_to_float32(words[::3]).view(np.uint32), expected[::3])
    out = np.empty((2, 5), np.float32)
    zelsegy.ibm_to_float32(words[:10].reshape(2, 5), out=out)
    assert np.array_equal(out.view(np.uint32).reshape(-1), expected[:10])


@pytest.mark.parametrize("ufunc, rounding", [(zelsegy.float32_to_ibm, np.floor),
                                             (zelsegy.float32_to_ibm_rounded, np.rint)])
def test_float32_to_ibm_matches_exact_encoding(ufunc, rounding):
    rng = np.random.default_rng(32)
    bits = rng.integers(0, 1 << 32, size=1 << 22, dtype=np.uint64).astype(np.uint32)
    values = bits.view(np.float32)
    normal = np.isfinite(values) & (np.abs(values) >= np.finfo(np.float32).tiny)
    magnitude = np.abs(values[normal]).astype(np.float64)
    exponent = (np.frexp(magnitude)[1] + 3) // 4 + 64
    fraction = rounding(np.ldexp(magnitude, 24 - 4 * (exponent - 64)))
    assert fraction.max() < 1 << 24
    expected = (np.signbit(values[normal]).astype(np.uint32) << 31
                | exponent.astype(np.uint32) << 24 | fraction.astype(np.uint32))
    words = ufunc(values)
    assert np.array_equal(words[normal], expected)
    special = ~np.isfinite(values)
    assert np.array_equal(words[special] & 0x7FFFFFFF, np.full(special.sum(), 0x7FFFFFFF, np.uint32))
    assert np.array_equal(ufunc(np.float32([0.0, -0.0])), np.uint32([0, 0x80000000]))


def test_ufuncs_on_dask_and_xarray():
    da = pytest.importorskip("dask.array")
    xarray = pytest.importorskip("xarray")
    words = sample_words()[:100000]
    lazy = zelsegy.ibm_to_float32(da.from_array(words, chunks=30000))
    assert isinstance(lazy, da.Array)
    expected = zelsegy.ibm_to_float32(words)
    assert np.array_equal(lazy.compute(), expected, equal_nan=True)
    wrapped = xarray.apply_ufunc(zelsegy.ibm_to_float32, xarray.DataArray(words, dims="sample"))
    assert np.array_equal(wrapped.values, expected)


def test_text():
    printable = bytes(range(32, 126))
    assert zelsegy.ebcdic_to_ascii(zelsegy.ascii_to_ebcdic(printable)) == printable
    block = "".join(f"C{i + 1:2d} LINE {i}".ljust(80) for i in range(40)).encode()
    for stored in (block, zelsegy.ascii_to_ebcdic(block)):
        lines = zelsegy.decode_text_header(stored).split("\n")
        assert len(lines) == 40 and lines[7].rstrip() == "C 8 LINE 7"


# ---- files ---------------------------------------------------------------

segyio = pytest.importorskip("segyio")


def write_with_segyio(path, ilines, xlines, samples, fmt, endian="big", crossline_sorted=False):
    spec = segyio.spec()
    spec.ilines, spec.xlines, spec.samples = ilines, xlines, np.arange(samples) * 4.0
    spec.format, spec.endian = fmt, endian
    spec.sorting = 1 if crossline_sorted else 2
    rng = np.random.default_rng(len(ilines) * 100 + fmt)
    with segyio.create(str(path), spec) as f:
        pairs = [(i, x) for i in ilines for x in xlines]
        if crossline_sorted:
            pairs = [(i, x) for x in xlines for i in ilines]
        for trace, (iline, xline) in enumerate(pairs):
            f.header[trace] = {segyio.su.iline: iline, segyio.su.xline: xline,
                               segyio.su.cdp: trace * 7 - 3, segyio.su.delrt: 8}
            f.trace[trace] = (rng.standard_normal(samples) * 1000).astype(np.float32)
        f.bin.update(hdt=4000, hns=samples)


@pytest.mark.parametrize("fmt, endian, crossline_sorted", [(1, "big", False), (5, "little", False),
                                                           (1, "big", True)])
def test_reader_agrees_with_segyio(tmp_path, fmt, endian, crossline_sorted):
    path = tmp_path / "cube.sgy"
    write_with_segyio(path, [10, 12, 14], [1, 2, 3, 4], 20, fmt, endian, crossline_sorted)
    f = zelsegy.open(path)
    with segyio.open(str(path), endian=endian) as ref:
        assert (f.tracecount, f.samples, f.format, f.byteorder) == (12, 20, fmt, endian)
        assert f.binary_header["SampleInterval"] == ref.bin[segyio.BinField.Interval]
        assert f.text[0].split("\n")[0].rstrip() == ref.text[0][:80].decode("ascii").rstrip()
        expected = segyio.tools.collect(ref.trace[:])
        assert np.array_equal(f.traces[:], expected)
        assert np.array_equal(f.traces[::-2], expected[::-2])
        assert np.array_equal(f.traces[[3, -1]], expected[[3, -1]])
        assert np.array_equal(f.traces[5], expected[5])
        with pytest.raises(IndexError):
            f.traces[12]
        headers = f.headers(["iline", "xline", "cdp", 109], slice(2, None))
        assert np.array_equal(headers["cdp"], ref.attributes(segyio.su.cdp)[2:])
        assert np.array_equal(headers["iline"], ref.attributes(segyio.su.iline)[2:])
        assert np.all(headers["109"] == 8)
        assert f.geometry.regular and f.geometry.sorting == ("crossline" if crossline_sorted else "inline")
        # segyio puts the slowest-varying line first.
        reference = segyio.tools.cube(ref)
        assert np.array_equal(f.cube(), reference.transpose(1, 0, 2) if crossline_sorted else reference)
        array = f.to_xarray()
        assert array.dims == ("inline", "crossline", "time")
        assert list(array.inline.values) == [10, 12, 14]
        assert np.allclose(np.diff(array.time.values), ref.bin[segyio.BinField.Interval] / 1000)
        assert array.time.values[0] == 8
        assert np.array_equal(f.to_dask(chunks=5).compute(), expected)


def test_hostile_files_raise_segyerror(tmp_path):
    good = tmp_path / "good.sgy"
    write_with_segyio(good, [1, 2], [1, 2], 10, 1)
    whole = good.read_bytes()
    cases = {"empty": b"", "headers only": whole[:3600], "garbage": bytes(range(256)) * 40,
             "trace cut short": whole[:-7]}
    rng = np.random.default_rng(5)
    for seed in range(40):
        damaged = bytearray(whole)
        for at in rng.integers(3200, len(whole), size=8):
            damaged[at] = rng.integers(0, 256)
        cases[f"damaged {seed}"] = bytes(damaged)
    refused = set()
    for name, content in cases.items():
        path = tmp_path / "case.sgy"
        path.write_bytes(content)
        try:
            f = zelsegy.open(path)
            f.traces[:] if f.fixed_length else list(f.traces)
            f.headers()
            f.geometry
        except zelsegy.SegyError as error:
            assert error.what, name
            refused.add(name)
    assert {"empty", "garbage", "trace cut short"} <= refused and "headers only" not in refused
    path.write_bytes(whole[:-7])
    with pytest.raises(zelsegy.SegyError) as error:
        zelsegy.open(path)
    assert error.value.override == "salvage=True"
    assert zelsegy.open(path, salvage=True).tracecount == 3
    with pytest.raises(zelsegy.SegyError, match="not a regular file"):
        zelsegy.open(tmp_path)
    # A file cut short after it was opened.
    path.write_bytes(whole)
    f = zelsegy.open(path)
    path.write_bytes(whole[:4000])
    with pytest.raises(zelsegy.SegyError, match="changed"):
        f.traces[:]


def make_ibm_file(path, traces, samples, words, extended=0, trailer=b"", fixed=1):
    """A big-endian IBM file of `traces` traces written from `words` alone."""
    binary = bytearray(400)
    for at, size, value in ((16, 2, 2000), (20, 2, samples), (24, 2, 1), (300, 2, 0x0100),
                            (302, 2, fixed), (304, 2, extended)):
        binary[at:at + size] = value.to_bytes(size, "big")
    headers = np.zeros((traces, 240), np.uint8)
    headers[:, 188:192] = (np.arange(traces, dtype=">i4") // 16 + 1).view(np.uint8).reshape(-1, 4)
    headers[:, 192:196] = (np.arange(traces, dtype=">i4") % 16 + 1).view(np.uint8).reshape(-1, 4)
    body = np.concatenate([headers, words.astype(">u4").view(np.uint8).reshape(traces, -1)], axis=1)
    text = zelsegy.ascii_to_ebcdic(b"C 1 ZEL TEST".ljust(3200 * (1 + extended)))
    with open(path, "wb") as out:
        out.write(text[:3200] + bytes(binary) + text[3200:])
        out.write(body.tobytes())
        out.write(trailer)


def test_traces_of_varying_length(tmp_path):
    # Traces of 6, 2 and 4 samples: as one file of 4 traces of 3 samples
    # whose headers say otherwise.
    path = tmp_path / "varying.sgy"
    words = zelsegy.float32_to_ibm(np.arange(12, dtype=np.float32) + 1)
    make_ibm_file(path, 1, 12, words, fixed=0)
    content = bytearray(path.read_bytes())
    layout = [(6, 0), (2, 6), (4, 8)]
    traces = b""
    for count, first in layout:
        header = bytearray(240)
        header[114:116] = count.to_bytes(2, "big")
        traces += bytes(header) + words[first:first + count].astype(">u4").tobytes()
    path.write_bytes(bytes(content[:3600]) + traces)
    f = zelsegy.open(path)
    assert not f.fixed_length and f.tracecount == 3
    values = zelsegy.ibm_to_float32(words)
    assert [list(trace) for trace in f.traces] == [list(values[a:a + n]) for n, a in layout]
    assert [len(trace) for trace in f.traces[::-1]] == [4, 2, 6]
    assert list(f.headers(["115:2"])["115:2"]) == [6, 2, 4]
    with pytest.raises(zelsegy.SegyError, match="vary"):
        f.to_dask()


@pytest.mark.parametrize("kind", ["ibm with rare words", "int16", "su"])
def test_zarr_round_trip_is_byte_identical(tmp_path, kind):
    pytest.importorskip("zarr")
    path = tmp_path / "in.sgy"
    if kind == "ibm with rare words":
        words = zelsegy.float32_to_ibm(np.random.default_rng(1).standard_normal(64 * 50, np.float32))
        # An unnormalised word and a zero with an exponent in trace 0, a negative zero in 1.
        words[[0, 1, 2, 50]] = [0x41000001, 0x00000000, 0x45000000, 0x80000000]
        make_ibm_file(path, 64, 50, words, extended=1, trailer=b"T" * 10)
    elif kind == "int16":
        write_with_segyio(path, [1, 2, 3], [5, 6], 30, 3)
    else:
        write_with_segyio(tmp_path / "cube.sgy", [1, 2, 3], [5, 6], 30, 5)
        path = tmp_path / "in.su"
        traces = zelsegy.open(tmp_path / "cube.sgy").trace_header_bytes(length=240 + 30 * 4)
        traces[:, 114:118] = np.frombuffer(np.array([30, 4000], ">u2").tobytes(), np.uint8)
        path.write_bytes(traces.tobytes())
    # The bytes after the last whole trace are kept too.
    f = zelsegy.to_zarr(path, tmp_path / "store.zarr", chunks=7, salvage=kind.startswith("ibm"))
    zelsegy.from_zarr(tmp_path / "store.zarr", tmp_path / "out.sgy")
    assert (tmp_path / "out.sgy").read_bytes() == path.read_bytes()
    import zarr
    stored = zarr.open_group(str(tmp_path / "store.zarr"), mode="r")
    assert np.array_equal(stored["data"][:], f.traces[:])
    if kind == "ibm with rare words":
        assert list(stored["raw_index"]) == [0]


def test_distributed_scan_equals_the_tool(tmp_path):
    distributed = pytest.importorskip("distributed")
    tool = os.environ.get("ZEL_SEGY")
    if not tool:
        pytest.skip("ZEL_SEGY names no zel-segy")
    traces, samples = 16384, 4096
    rng = np.random.default_rng(256)
    values = (rng.standard_normal((traces, samples)) * 100).astype(np.float32)
    path = tmp_path / "big.sgy"
    make_ibm_file(path, traces, samples, zelsegy.float32_to_ibm(values))
    assert path.stat().st_size > 256 << 20
    del values
    scan = json.loads(subprocess.run([tool, "info", "--scan", "--json", str(path)], check=True,
                                     capture_output=True, text=True).stdout)["scan"]
    import dask
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  host="127.0.0.1", dashboard_address=None,
                                  death_timeout=60) as cluster, distributed.Client(cluster) as client:
        data = zelsegy.open(path).to_dask(chunks=2048)
        squares = (data.astype(np.float64) ** 2).sum()
        low, high, total = dask.compute(data.min(), data.max(), squares)
        assert len(client.scheduler_info()["workers"]) == 2
    assert (float(low), float(high)) == (scan["minimum"], scan["maximum"])
    assert np.sqrt(total / data.size) == pytest.approx(scan["rms"], rel=1e-12)
