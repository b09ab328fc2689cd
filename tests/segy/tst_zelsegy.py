# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""zel-segy as its users meet it: files built here, by a small generator and
by segyio as an independent writer, and its outputs checked byte for byte
and, through segyio as an independent reader, sample for sample."""
import json, math, os, random, re, resource, signal, stat, struct, subprocess, sys, tempfile, threading, unittest

try:
    import numpy as np
    import segyio
except ImportError:
    print("SKIP: needs python3-segyio")
    sys.exit(77)

TOOL = sys.argv.pop(1)
LINES = ["C%2d ZEL TEST LINE %d" % (i + 1, i) for i in range(40)]
FLT_MAX = np.finfo(np.float32).max


def text_block(lines, ebcdic=True):
    block = "".join(line.ljust(80) for line in lines).ljust(3200).encode("ascii")
    return block.decode("ascii").encode("cp037") if ebcdic else block


def make_segy(path, order=">", fmt=1, ns=8, traces=3, words=None, ebcdic=True, ext=(),
              ext_field=None, rev=b"\x01\x00", declared=False, binary_ns=None, tail=b"", packing=None,
              text=None, fixed=1, extra=0, extra_field=None, gap=b"", trailer=(), su=False, patch=None,
              counts_in_extension=False):
    """Writes a file: `words` are the sample words as integers (random
    normalised IBM words by default), or the values that the struct format
    `packing` gives a sample's bytes; `ns` a sample count for every trace or
    a list of counts, one per trace; `ext` the extended header blocks, `text`
    the textual header's bytes; `extra` the additional trace headers of each
    trace (a count, or a list of counts) and `extra_field` the bytes written
    at 3507 (`counts_in_extension`: each trace's sample count in its first
    additional header, 0 in 115-116); `gap` bytes before the first trace, whose offset then
    goes to 3521; `trailer` the stanzas after the last trace; `su` the traces
    alone; `patch` (offset, bytes) written over the result. Returns the samples' (offset, length) in the file."""
    counts = ns if isinstance(ns, list) else [ns] * traces
    extras = extra if isinstance(extra, list) else [extra] * len(counts)
    rng = random.Random(sum(counts) * 31 + len(counts))
    if words is None:
        words = [rng.getrandbits(1) << 31 | rng.randint(34, 96) << 24 | rng.randint(0x100000, 0xFFFFFF)
                 for _ in range(sum(counts))]
    endian = "big" if order == ">" else "little"
    binary = bytearray(rng.getrandbits(8) for _ in range(300)) + bytearray(100)
    data_offset = 3600 + 3200 * len(ext) + len(gap)
    for at, size, value in ((16, 2, 2000), (20, 2, (counts or [0])[0] if binary_ns is None else binary_ns), (24, 2, fmt),
                            (68, 4, 0), (96, 4, 0x01020304 if declared else 0), (302, 2, fixed),
                            (304, 2, len(ext) if ext_field is None else ext_field),
                            (320, 8, data_offset if gap else 0), (328, 4, len(trailer))):
        binary[at:at + size] = value.to_bytes(size, endian, signed=True)
    binary[306:306 + len(extra_field or b"")] = extra_field or b""
    binary[300:302] = rev
    code = "H" if fmt == 3 else "I"
    data, regions, used = b"", [], 0
    at = 0 if su else data_offset
    for count, extra_count in zip(counts, extras):
        header = bytearray(rng.getrandbits(8) for _ in range(240))
        header[114:116] = struct.pack(order + "H", 0 if counts_in_extension else count)
        for k in range(extra_count):
            more = bytearray(rng.getrandbits(8) for _ in range(232)) + b"SEG%05d" % (k + 1)
            more[156:158] = struct.pack(order + "H", extra_count)
            more[136:140] = struct.pack(order + "I", count) if counts_in_extension else more[136:140]
            header += more
        trace = words[used:used + count]
        used += count
        if packing == "3":  # 3-byte integers, two's complement for format 7
            samples = b"".join(int(w).to_bytes(3, "big" if order == ">" else "little", signed=fmt == 7)
                               for w in trace)
        else:
            samples = (struct.pack(order + str(count) + packing, *trace) if packing else
                       struct.pack(order + str(count) + code, *(w & (0xFFFF if fmt == 3 else ~0) for w in trace)))
        regions.append((at + len(data) + len(header), len(samples)))
        data += header + samples
    whole = bytearray(b"" if su else (text or text_block(LINES, ebcdic)) + binary + b"".join(ext) + gap)
    whole += data + b"".join(trailer) + tail
    if patch:
        whole[patch[0]:patch[0] + len(patch[1])] = patch[1]
    with open(path, "wb") as f:
        f.write(whole)
    return regions


def ibm_value(word):
    """The value of a normalised IBM word, exact as a float."""
    sign = -1.0 if word >> 31 else 1.0
    return np.float32(sign * math.ldexp(word & 0xFFFFFF, 4 * ((word >> 24 & 0x7F) - 64) - 24))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def run(*args, limit=None, lang=None):
    def child():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    if lang:
        env.update(LANG=lang, LC_ALL=lang)
    return subprocess.run([TOOL, *args], capture_output=True, text=True, env=env,
                          preexec_fn=child if limit else None)


def samples_of(path, order):
    with segyio.open(path, ignore_geometry=True, endian="big" if order == ">" else "little") as f:
        return f.trace.raw[:].copy(), int(f.bin[segyio.BinField.Format])


class ZelSegy(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = lambda name: os.path.join(self.dir.name, name)

    def tearDown(self):
        self.dir.cleanup()

    def test_info(self):
        layout = segyio.spec()
        layout.format, layout.samples, layout.tracecount, layout.endian = 1, range(11), 4, "big"
        with segyio.create(self.path("peer.sgy"), layout) as f:
            f.trace = [np.arange(11, dtype=np.float32) * i for i in range(4)]
            f.bin.update(hdt=4000)
        stanza = text_block(["((SEG: EndText))"])
        # Dot leaders read as ASCII letters; "#|{}~" at their code page 037 codes.
        dots = ["C%2d CLIENT: ACME OIL %s #1 |{}~" % (i + 1, "." * 50) for i in range(40)]
        mixed = b"".join(line.ljust(80).encode("ascii" if i % 4 == 0 else "cp037") for i, line in enumerate(dots))
        rows = [  # name, generator arguments, expected fields
            ("peer.sgy", None, dict(byte_order="big-endian", format_code=1, samples_per_trace=11,
                                    traces=4, sample_interval_us=4000, textual_header_encoding="EBCDIC")),
            ("lsb-ascii-ext.sgy", dict(order="<", rev=b"\x00\x01", ebcdic=False, ext=[text_block(LINES)] * 2),
             dict(byte_order="little-endian", revision="1.0", extended_textual_headers=2, traces=3,
                  textual_header_encoding="ASCII", textual_header=[l.ljust(80) for l in LINES])),
            ("rev2-lsb.sgy", dict(order="<", fmt=5, declared=True, rev=b"\x02\x01"),
             dict(byte_order="little-endian", revision="2.1", format_code=5, samples_per_trace=8)),
            ("variable-ext.sgy", dict(ext=[text_block(LINES), stanza], ext_field=-1),
             dict(extended_textual_headers=2, traces=3, textual_header=[l.ljust(80) for l in LINES])),
            ("header-ns.sgy", dict(binary_ns=9), dict(samples_per_trace=8, traces=3)),
            ("headers-only.sgy", dict(traces=0, binary_ns=8), dict(samples_per_trace=8, traces=0)),
            ("ascii-without-card-prefix.sgy", dict(text=("ZELTEST" * 500)[:3200].encode()),
             dict(textual_header_encoding="ASCII")),
            ("dot-leaders.sgy", dict(text=text_block(dots)),
             dict(textual_header_encoding="EBCDIC", textual_header=[l.ljust(80) for l in dots])),
            ("dot-leaders-mixed.sgy", dict(text=mixed), dict(textual_header_encoding="EBCDIC")),
            # Control characters and bytes above ASCII in an ASCII header are shown as ".".
            ("ascii-controls.sgy", dict(text=b"\x00\x1b\x7f\xff" + text_block(LINES, False)[4:]),
             dict(textual_header_encoding="ASCII", textual_header=["...." + LINES[0][4:].ljust(76)] +
                  [l.ljust(80) for l in LINES[1:]])),
        ]
        for name, generator, expected in rows:
            with self.subTest(name):
                if generator is not None:
                    make_segy(self.path(name), **generator)
                result = run("info", "--json", self.path(name))
                self.assertEqual(result.returncode, 0, result.stderr)
                info = json.loads(result.stdout)
                self.assertEqual({k: info[k] for k in expected}, expected)
                text = run("info", self.path(name)).stdout
                self.assertIn("byte order: %s\n" % info["byte_order"], text)
                self.assertIn("traces: %d\n" % info["traces"], text)
                self.assertTrue(text.endswith("\n".join(info["textual_header"]) + "\n"))

    def test_layouts_read_and_converted(self):
        # Each layout read as written; converted, only the samples and the
        # format code change, every sample is the IBM word's value, and
        # converting back gives the file again. SU files are read, not converted.
        rev20, rev21 = dict(rev=b"\x02\x00"), dict(rev=b"\x02\x01")
        floats = [0.5 * i - 3 for i in range(24)]
        rows = [  # name, generator arguments, expected fields
            ("extra-2.0", dict(rev20, ns=10, traces=7, extra=1, extra_field=b"\0\0\0\1"),
             dict(traces=7, additional_trace_headers=1, samples_per_trace=10)),
            ("extra-2.1-lsb", dict(rev21, order="<", declared=True, extra=1, extra_field=b"\1\0\3\0"),
             dict(traces=3, additional_trace_headers=1, byte_order="little-endian")),
            ("extra-varying", dict(rev20, extra=[1, 2, 1], extra_field=b"\0\0\0\2"),
             dict(traces=3, additional_trace_headers=2, samples_per_trace=None)),
            ("flag-varying", dict(fixed=0, ns=[10, 80]), dict(traces=2, samples_per_trace=None)),
            ("counts-in-extension", dict(rev20, fixed=0, ns=[10, 80], extra=1, extra_field=b"\0\0\0\1",
                                         counts_in_extension=True), dict(traces=2, samples_per_trace=None)),
            ("headers-disagree", dict(ns=[10, 80, 10]), dict(traces=3, samples_per_trace=None)),
            ("trailer", dict(rev20, traces=10, trailer=[text_block(["TRAILER"])]),
             dict(traces=10, trailer_stanzas=1)),
            ("trailer-until-end-text", dict(rev20, traces=10, patch=(3528, b"\xff" * 4), trailer=[
                text_block(["((SEG: Trailer1))"]), text_block(["MORE"]), text_block(["((SEG: EndText))"])]),
             dict(traces=10, trailer_stanzas=3)),
            ("first-trace-at-6800", dict(rev21, gap=bytes(3200)), dict(traces=3, first_trace_offset=6800)),
            ("binary-ns-zero", dict(ns=10, binary_ns=0), dict(traces=3, samples_per_trace=10)),
            ("su-msb", dict(su=True, fmt=5, packing="f", words=floats), dict(kind="SU", traces=3)),
            ("su-lsb", dict(su=True, fmt=5, packing="f", words=floats, order="<"),
             dict(kind="SU", traces=3, byte_order="little-endian", samples_per_trace=8)),
        ]
        for name, generator, expected in rows:
            with self.subTest(name):
                src, out, back = self.path(name), self.path("ieee.sgy"), self.path("back.sgy")
                regions = make_segy(src, **generator)
                result = run("info", "--json", "--scan", src)
                self.assertEqual(result.returncode, 0, result.stderr)
                info = json.loads(result.stdout)
                self.assertEqual({k: info[k] for k in expected}, expected)
                if generator.get("su"):
                    self.assertEqual((info["scan"]["minimum"], info["scan"]["maximum"]), (min(floats), max(floats)))
                    # Converted, an SU file becomes SEG-Y in its byte order.
                    self.assertEqual(run("convert", "--to", "ibm", src, out).returncode, 0)
                    values, fmt = samples_of(out, generator.get("order", ">"))
                    self.assertEqual((values.ravel().tolist(), fmt), (floats, 1))
                    continue
                for args in (("--to", "ieee", src, out), ("--to", "ibm", out, back)):
                    result = run("convert", *args)
                    self.assertEqual(result.returncode, 0, result.stderr)
                original, converted = bytearray(read(src)), bytearray(read(out))
                order = generator.get("order", ">")
                for at, size in regions:
                    words = np.frombuffer(original, order + "u4", size // 4, at)
                    values = np.frombuffer(converted, order + "f4", size // 4, at)
                    self.assertEqual(values.tolist(), [ibm_value(int(w)) for w in words])
                    original[at:at + size] = converted[at:at + size] = bytes(size)
                original[3224:3226] = converted[3224:3226] = bytes(2)
                self.assertEqual(original, converted)
                self.assertEqual(read(back), read(src))

    def test_overrides(self):
        # What the caller says wins over the headers; a refusal names the option.
        ambiguous = dict(ns=8, traces=2, binary_ns=76, patch=(3600 + 272 + 114, b"\0\x09"))
        rows = [(ambiguous, ["--samples", "8"], dict(traces=2, samples_per_trace=8)),
                (dict(fmt=13), ["--format", "1"], dict(format_code=1, traces=3)),
                (dict(order="<"), ["--endian", "little", "--format", "5"], dict(format_code=5, traces=3)),
                (dict(), ["--text", "ascii"], dict(textual_header_encoding="ASCII")),
                (dict(ebcdic=False), ["--text", "ebcdic"], dict(textual_header_encoding="EBCDIC"))]
        for generator, options, expected in rows:
            with self.subTest(options=options):
                make_segy(self.path("in.sgy"), **generator)
                result = run("info", "--json", *options, self.path("in.sgy"))
                self.assertEqual(result.returncode, 0, result.stderr)
                info = json.loads(result.stdout)
                self.assertEqual({k: info[k] for k in expected}, expected)
        make_segy(self.path("in.sgy"), **ambiguous)
        self.assertIn("--samples N reads it otherwise", run("info", self.path("in.sgy")).stderr)
        for options in (["--endian", "middle"], ["--format", "13"], ["--samples", "0"], ["--text", "utf8"]):
            self.assertEqual(run("info", *options, self.path("in.sgy")).returncode, 2)

    def test_headers(self):
        # Trace header fields by keyword, name and position, as segyio reads
        # them, in each style and byte order; the file headers field by field.
        for order in "><":
            with self.subTest(order=order):
                src = self.path("in.sgy")
                make_segy(src, order=order, ns=8, traces=9, ext=[text_block(LINES)],
                          patch=(3272, struct.pack(order + "d", 0.25)))
                fields = ["cdp", "Offset", "sx", "ns", "221:4"]
                options = [a for f in fields for a in ("--field", f)] + ["--traces", "1:8:3"]
                csv = run("headers", "--csv", *options, src)
                self.assertEqual(csv.returncode, 0, csv.stderr)
                with segyio.open(src, ignore_geometry=True, endian="big" if order == ">" else "little") as f:
                    peer = [[t] + [f.header[t][k] for k in (21, 37, 73, 115)] for t in (1, 4, 7)]
                raw = read(src)
                for row in peer:
                    row.append(struct.unpack_from(order + "i", raw, 6800 + row[0] * 272 + 220)[0])
                table = [list(map(int, line.split(","))) for line in csv.stdout.splitlines()[1:]]
                self.assertEqual((csv.stdout.splitlines()[0], table), (",".join(["trace"] + fields), peer))
                aligned = run("headers", *options, src).stdout.splitlines()
                self.assertEqual([list(map(int, line.split())) for line in aligned[1:]], peer)
                self.assertEqual(json.loads(run("headers", "--json", *options, src).stdout)["rows"], peer)
                scalars = [struct.unpack_from(order + "h", raw, 6800 + t * 272 + 70)[0] for t in (1, 4, 7)]
                scaled = json.loads(run("headers", "--json", "--scale", *options, src).stdout)["rows"]
                self.assertEqual([r[3] for r in scaled], [row[3] * s if s > 0 else row[3] / -s if s else row[3]
                                                          for row, s in zip(peer, scalars)])
                listing = run("headers", "--traces", "2", src).stdout
                self.assertIn("extended textual header 1 (EBCDIC):\n" + LINES[0], listing)
                self.assertRegex(listing, r"\n  3217-3218  hdt     SampleInterval +2000\n")
                self.assertRegex(listing, r"\ntrace 2:\n(.|\n)*\n  115-116    ns      Samples +8\n")
                heads = json.loads(run("headers", "--json", "--nonzero", src).stdout)
                binary = {f["name"]: f["value"] for f in heads["binary_header"]}
                self.assertEqual((binary["SampleInterval"], binary["ExtendedSampleInterval"]), (2000, 0.25))
                self.assertNotIn("ExtendedSamplesPerTrace", binary)
                self.assertEqual(len(heads["textual_headers"]), 2)
                # Every field segyio knows, at its position and width, as segyio reads it
                # (modulo the width: the two differ on which fields are signed), but for the
                # source water depth, 61-64, which segyio reads as two bytes.
                listing = json.loads(run("headers", "--json", "--traces", "3", src).stdout)
                with segyio.open(src, ignore_geometry=True, endian="big" if order == ">" else "little") as f:
                    for ours, peer, known in ((listing["binary_header"], f.bin, segyio.BinField),
                                              (listing["trace_headers"][0]["fields"], f.header[3], segyio.TraceField)):
                        positions = {int(e) for e in known.enums()}
                        compared = [(b[0], v % (1 << 8 * (b[1] - b[0] + 1)), peer[b[0]] % (1 << 8 * (b[1] - b[0] + 1)))
                                    for b, v in ((g["bytes"], g["value"]) for g in ours)
                                    if b[0] in positions - {61} and b[0] < 3261 and isinstance(v, int)]
                        self.assertGreater(len(compared), 25)
                        self.assertEqual([c[:2] for c in compared], [(c[0], c[2]) for c in compared])
        by_byte = run("headers", "--csv", "--field", "9:4", "--field", "21:4", src).stdout
        moved = run("headers", "--csv", "--field", "iline", "--field", "xline", "--iline", "9", "--xline", "21", src)
        self.assertEqual(moved.stdout.splitlines()[1:], by_byte.splitlines()[1:])
        make_segy(self.path("in.su"), su=True, fmt=5, packing="f", words=[1.0] * 16, ns=8, traces=2)
        listing = json.loads(run("headers", "--json", self.path("in.su")).stdout)
        self.assertEqual([t["trace"] for t in listing["trace_headers"]], [0])
        for options, status, phrase in ((["--field", "nope"], 2, "--field nope names no trace header field"),
                                        (["--traces", "5:1:0"], 2, "--traces takes"),
                                        (["--csv"], 2, "--csv prints the table"),
                                        (["--field", "cdp", "--nonzero"], 2, "--nonzero belongs")):
            result = run("headers", *options, src)
            self.assertEqual((result.returncode, phrase in result.stderr), (status, True), result.stderr)
        self.assertEqual(run("info", "--field", "cdp", src).returncode, 2)
        with open("/dev/full", "w") as full:
            result = subprocess.run([TOOL, "headers", src], stdout=full, stderr=subprocess.PIPE, text=True)
        self.assertEqual((result.returncode, result.stderr), (1, "zel-segy: standard output: No space left on device\n"))

    def test_geometry(self):
        # A crossline-major cube written by segyio: the grid segyio infers,
        # in text and JSON; the caller's fields, and refusals of bad ones.
        layout = segyio.spec()
        layout.format, layout.samples, layout.sorting = 5, range(3), 1
        layout.ilines, layout.xlines = [5, 7, 9], [100, 101, 102, 103]
        with segyio.create(self.path("cube.sgy"), layout) as f:
            for i, (xl, il) in enumerate((xl, il) for xl in layout.xlines for il in layout.ilines):
                f.header[i] = {189: il, 193: xl, 181: il * 10, 185: xl * 10}
                f.trace[i] = np.zeros(3, np.float32)
        with segyio.open(self.path("cube.sgy")) as f:
            peer = (list(f.ilines), list(f.xlines), f.sorting)
        geometry = json.loads(run("geometry", "--json", self.path("cube.sgy")).stdout)
        inlines, crosslines = geometry["inlines"], geometry["crosslines"]
        self.assertEqual((list(range(inlines["first"], inlines["last"] + 1, inlines["step"])),
                          list(range(crosslines["first"], crosslines["last"] + 1, crosslines["step"])),
                          geometry["sorting"]), (peer[0], peer[1], "crossline-major"))
        self.assertEqual(peer[2], segyio.TraceSortingFormat.CROSSLINE_SORTING)
        self.assertEqual((geometry["occupied_bins"], geometry["missing_bins"]), (12, 0))
        self.assertEqual(geometry["corners"][3], {"bin": [9, 103], "x": 90, "y": 1030})
        text = run("geometry", self.path("cube.sgy")).stdout
        self.assertIn("survey: 3-D post-stack\ninline field: 189-192\ncrossline field: 193-196\n", text)
        self.assertIn("corner 9/103: 90 1030\n", text)
        forced = json.loads(run("geometry", "--json", "--iline", "193", "--xline", "189", self.path("cube.sgy")).stdout)
        self.assertEqual((forced["inline_byte"], forced["sorting"]), (193, "inline-major"))
        for options in (["--iline", "0", "--xline", "193"], ["--iline", "189"], ["--field", "cdp"]):
            self.assertEqual(run("geometry", *options, self.path("cube.sgy")).returncode, 2, options)
        self.assertEqual(run("info", "--iline", "189", "--xline", "193", self.path("cube.sgy")).returncode, 2)

    def test_check(self):
        # Each inconsistency found, at its byte, with the option that reads
        # the file anyway where there is one; a clean file passes.
        rng = random.Random(5)
        floats = [rng.uniform(-1000, 1000) for _ in range(3 * 50)]
        rows = [  # name, generator arguments, byte, option (None: the file is clean)
            ("clean", dict(), None, None),
            ("ieee-under-ibm", dict(ns=50, packing="f", words=floats), 3224, "--format 5"),
            ("lsb-without-constant", dict(order="<", rev=b"\x00\x01"), 3296, "--endian little"),
            ("revision-garbage", dict(rev=b"\x00\x64"), 3500, ""),
            ("trace-count", dict(rev=b"\x02\x00", declared=True, patch=(3512, (99).to_bytes(8, "big"))), 3512, ""),
            ("trace-ns", dict(traces=4, patch=(3600 + 3 * 272 + 114, b"\0\x09")), 3600 + 3 * 272 + 114, ""),
            ("truncated", dict(tail=b"xyz"), 3600 + 3 * 272, "--salvage"),
        ]
        for name, generator, byte, option in rows:
            with self.subTest(name):
                make_segy(self.path(name), **generator)
                result = run("check", "--json", self.path(name))
                report = json.loads(result.stdout)
                self.assertEqual((result.returncode, report["clean"]), (0 if byte is None else 1, byte is None))
                self.assertEqual([(f["offset"], f["override"]) for f in report["findings"]],
                                 [] if byte is None else [(byte, option)])
                text = run("check", self.path(name)).stdout
                self.assertEqual(text.count("\n"), max(1, len(report["findings"])))
        self.assertEqual(run("check", self.path("clean")).stdout, "%s: no problems found\n" % self.path("clean"))

    def test_salvage(self):
        # A last trace cut short: refused, naming --salvage; with it, the
        # whole traces are read and converted, and the bytes left out counted.
        floats = [0.5 * i for i in range(24)]
        rows = [  # name, generator arguments, bytes cut off, whole traces, bytes left out
            ("fixed", dict(traces=4), 5, 3, 267),
            ("walked", dict(fixed=0, ns=[10, 80, 10]), 7, 2, 273),
            ("su-lsb", dict(su=True, fmt=5, packing="f", words=floats, order="<"), 9, 2, 263),
        ]
        for name, generator, cut, traces, lost in rows:
            with self.subTest(name):
                src, out = self.path(name), self.path("out.sgy")
                make_segy(src, **generator)
                os.truncate(src, os.path.getsize(src) - cut)
                refused = run("info", src)
                self.assertEqual((refused.returncode, "--salvage reads it otherwise" in refused.stderr), (1, True))
                info = json.loads(run("info", "--json", "--salvage", src).stdout)
                self.assertEqual((info["traces"], [n["offset"] for n in info["notes"]]),
                                 (traces, [os.path.getsize(src) - lost]))
                self.assertIn("its %d bytes are left out" % lost, info["notes"][0]["what"])
                self.assertEqual(run("check", "--salvage", src).returncode, 1)
                if generator.get("su"):
                    continue
                result = run("convert", "--salvage", "--to", "ieee", src, out)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertIn("bytes are left out", result.stderr)
                self.assertEqual(os.path.getsize(out), os.path.getsize(src) - lost)
                self.assertEqual(json.loads(run("info", "--json", out).stdout)["traces"], traces)

    def test_rare_ibm_words(self):
        words = [0x42064000, 0x41000000, 0x61100000, 0xC1100000, 0x00000000, 0x41100000]
        for order in "><":
            with self.subTest(order=order):
                # A trace of one run each, and one long enough for the vector loop and its tail.
                make_segy(self.path("in.sgy"), order=order, ns=[6, 42], words=words * 8)
                scan = json.loads(run("info", "--json", "--scan", self.path("in.sgy")).stdout)["scan"]
                values = np.array([ibm_value(w) if w != 0x61100000 else FLT_MAX for w in words * 8], np.float64)
                self.assertEqual((scan["unnormalised"], scan["dirty_zeros"], scan["beyond_float_range"],
                                  scan["minimum"], scan["maximum"], scan["samples"]), (8, 8, 8, -1.0, float(FLT_MAX), 48))
                self.assertAlmostEqual(scan["rms"] / math.sqrt(np.mean(values ** 2)), 1, places=12)
                make_segy(self.path("ieee.sgy"), order=order, fmt=5, ns=[4, 36], packing="I",
                          words=[0x7F800000, 0x7F800001, 0x3F800000, 0xC0000000] * 10)
                scan = json.loads(run("info", "--json", "--scan", self.path("ieee.sgy")).stdout)["scan"]
                self.assertEqual((scan["non_finite"], scan["samples"], scan["minimum"], scan["maximum"], scan["rms"]),
                                 (20, 20, -2, 1, math.sqrt(2.5)))
                make_segy(self.path("long.sgy"), order=order, ns=5000, traces=1, words=[0x41100000] * 4999 + [0xC1200000])
                scan = json.loads(run("info", "--json", "--scan", self.path("long.sgy")).stdout)["scan"]
                self.assertEqual((scan["minimum"], scan["maximum"], scan["samples"]), (-2, 1, 5000))
                make_segy(self.path("in.sgy"), order=order, ns=6, traces=1, words=words)
                result = run("convert", "--to", "ieee", self.path("in.sgy"), self.path("out.sgy"))
                self.assertEqual(result.returncode, 0)
                self.assertIn("1 samples beyond the float range became the largest float, 0 below", result.stderr)
                values, fmt = samples_of(self.path("out.sgy"), order)
                self.assertEqual((fmt, values[0].tolist()), (5, [6.25, 0, FLT_MAX, -1, 0, 1]))
        # Below the float range (2^-150), and infinities and NaNs toward IBM.
        make_segy(self.path("tiny.sgy"), ns=2, traces=1, words=[0x1B400000, 0x1C100000])
        self.assertIn("0 samples beyond the float range became the largest float, 1 below its smallest",
                      run("convert", "--to", "ieee", self.path("tiny.sgy"), self.path("out.sgy")).stderr)
        make_segy(self.path("ieee.sgy"), fmt=5, ns=3, traces=1, words=[math.inf, math.nan, 1.0], packing="f")
        self.assertIn("2 infinities and NaNs became the largest IBM values",
                      run("convert", "--to", "ibm", self.path("ieee.sgy"), self.path("out.sgy")).stderr)

    def test_scan_decodes_every_width(self):
        # Integers of each width and sign, both IEEE widths, in both byte orders.
        rows = [(2, "i", [-5, 70000]), (3, "h", [-300, 2]), (5, "f", [-2.25, 1.5]), (6, "d", [-0.125, 2.5]),
                (8, "b", [-128, 127]), (9, "q", [-(1 << 40), 3]), (10, "I", [0, 4000000000]),
                (11, "H", [1, 65535]), (12, "Q", [0, 1 << 50]), (16, "B", [0, 255])]
        for (fmt, packing, values), order in ((row, order) for row in rows for order in "><"):
            with self.subTest(fmt=fmt, order=order):
                make_segy(self.path("in.sgy"), order=order, fmt=fmt, ns=2, traces=1, words=values, packing=packing)
                result = run("info", "--json", "--scan", self.path("in.sgy"))
                scan = json.loads(result.stdout)["scan"]
                self.assertEqual((scan["minimum"], scan["maximum"]), (min(values), max(values)), result.stderr)

    def test_round_trip_keeps_every_other_byte(self):
        for order in "><":
            with self.subTest(order=order):
                src, ieee, back = self.path("in.sgy"), self.path("ieee.sgy"), self.path("back.sgy")
                make_segy(src, order=order, ns=50, traces=7, ext=[text_block(LINES)])
                for args in (("--to", "ieee", src, ieee), ("--to", "ibm", ieee, back)):
                    result = run("convert", *args)
                    self.assertEqual((result.returncode, result.stderr), (0, ""))
                expected, _ = samples_of(src, order)
                values, fmt = samples_of(ieee, order)
                self.assertEqual(fmt, 5)
                self.assertTrue(np.array_equal(values.view(np.uint32), expected.view(np.uint32)))
                original, converted = bytearray(read(src)), bytearray(read(ieee))
                for t in range(7):  # blank the samples and the format code
                    at = 6800 + t * 440 + 240
                    original[at:at + 200] = converted[at:at + 200] = bytes(200)
                original[3224:3226] = converted[3224:3226] = bytes(2)
                self.assertEqual(original, converted)
                self.assertEqual(read(back), read(src))

    def test_rounded_conversion(self):
        # To IBM truncated and, with --round, rounded to nearest with ties to
        # the even fraction, in both byte orders, against words worked out here.
        def ibm_word(value, rounded):
            magnitude, power = abs(float(value)), -32
            while magnitude >= 16.0 ** power:
                power += 1
            scaled = magnitude * 2.0 ** (24 - 4 * power)
            fraction = round(scaled) if rounded else math.floor(scaled)
            if fraction == 1 << 24:
                fraction, power = 1 << 20, power + 1
            return (value < 0) << 31 | (power + 64 if fraction else 0) << 24 | fraction
        rng = random.Random(5)
        ties = [0x3E800001, 0x3E800003, 0x00200001, 0x00200003, 0x3EFFFFFF, 0x3DCCCCCD, 0xBDCCCCCD]
        bits = ties + [rng.getrandbits(32) & 0xBFFFFFFF for _ in range(393)]
        floats = np.array(bits, dtype=np.uint32).view(np.float32)
        for order in "><":
            src = self.path("ieee.sgy")
            make_segy(src, order=order, fmt=5, ns=100, traces=4, packing="I", words=bits)
            for rounded in (False, True):
                with self.subTest(order=order, rounded=rounded):
                    out = self.path("ibm.sgy")
                    result = run("convert", "--to", "ibm", *(["--round"] if rounded else []), src, out)
                    self.assertEqual((result.returncode, result.stderr), (0, ""))
                    words = [int.from_bytes(read(out)[3600 + 240 * (t + 1) + 400 * t + 4 * i:][:4],
                                            "big" if order == ">" else "little")
                             for t in range(4) for i in range(100)]
                    self.assertEqual(words, [ibm_word(v, rounded) for v in floats])
        self.assertIn("--round belongs to --to ibm", run("convert", "--to", "ieee", "--round", "a", "b").stderr)

    def test_byte_order_turned(self):
        # Every header field and sample turned, as segyio reads them in the
        # new order; revision 2 declares it; turning back gives the file.
        rows = [("ibm", dict(), ()), ("int16", dict(fmt=3), ()), ("ieee-lsb", dict(fmt=5, order="<"), ()),
                ("ibm-to-ieee", dict(), ("--to", "ieee")), ("rev2", dict(rev=b"\x02\x00", declared=True), ())]
        for name, generator, more in rows:
            with self.subTest(name):
                src, out, back = self.path("in.sgy"), self.path("out.sgy"), self.path("back.sgy")
                make_segy(src, ns=20, traces=5, ext=[text_block(LINES)], **generator)
                order = generator.get("order", ">")
                turned = "big" if order == "<" else "little"
                result = run("convert", "--to-endian", turned, *more, src, out)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                with segyio.open(src, ignore_geometry=True, endian="big" if order == ">" else "little") as a, \
                        segyio.open(out, ignore_geometry=True, endian=turned) as b:
                    # segyio reads the source water depth, 61-64, as two bytes.
                    fields = lambda f: [{k: v for k, v in f.header[i].items() if k != segyio.su.swdep}
                                        for i in range(5)]
                    self.assertEqual(fields(a), fields(b))
                    # segyio reads revision 2's major and minor bytes as one word.
                    left_out = (segyio.BinField.Format, segyio.BinField.SEGYRevision)
                    self.assertEqual({k: v for k, v in a.bin.items() if k not in left_out},
                                     {k: v for k, v in b.bin.items() if k not in left_out})
                    self.assertEqual(b.bin[segyio.BinField.Format], 5 if more else generator.get("fmt", 1))
                    self.assertEqual(a.text[1], b.text[1])
                    self.assertTrue(np.array_equal(a.trace.raw[:], b.trace.raw[:]))
                if generator.get("declared"):
                    self.assertEqual(read(out)[3296:3300], (0x01020304).to_bytes(4, turned))
                    self.assertEqual(read(out)[3500:3502], b"\x02\x00")
                if not more:
                    self.assertEqual(run("convert", "--to-endian", "big" if order == ">" else "little", out, back).returncode, 0)
                    self.assertEqual(read(back), read(src))
        make_segy(src, extra=1, extra_field=b"\0\1", rev=b"\x02\x01")
        self.assertIn("additional trace headers cannot be turned", run("convert", "--to-endian", "little", src, out).stderr)

    def test_every_format_to_float(self):
        # Each integer and double format decoded exactly and rounded to the
        # nearest float, as numpy decodes and rounds it; beyond the float
        # range the largest float; to IBM too, exact for 16-bit integers.
        rng = np.random.default_rng(9)
        rows = [(2, "i4", "i"), (3, "i2", "h"), (6, "f8", "d"), (8, "i1", "b"), (9, "i8", "q"), (10, "u4", "I"),
                (11, "u2", "H"), (12, "u8", "Q"), (16, "u1", "B"), (7, "i4", "3"), (15, "u4", "3")]
        for (fmt, dtype, packing), order, target in [(r, o, "ieee") for r in rows for o in "><"] + [
                (rows[1], ">", "ibm")]:
            with self.subTest(fmt=fmt, order=order, target=target):
                if dtype == "f8":
                    values = rng.normal(0, 1e30, 60) * np.array([1, 1e20] * 30)
                else:
                    info = np.iinfo(dtype)
                    low, high = {7: (-1 << 23, (1 << 23) - 1), 15: (0, (1 << 24) - 1)}.get(fmt, (info.min, info.max))
                    values = rng.integers(low, high, 60, dtype=dtype, endpoint=True)
                src, out = self.path("in.sgy"), self.path("out.sgy")
                make_segy(src, order=order, fmt=fmt, ns=20, traces=3, packing=packing, words=values.tolist())
                result = run("convert", "--to", target, src, out)
                self.assertEqual(result.returncode, 0, result.stderr)
                expected = np.clip(values.astype(np.float64), -FLT_MAX, FLT_MAX).astype(np.float32)
                got, code = samples_of(out, order)
                self.assertEqual(code, 1 if target == "ibm" else 5)
                if target == "ibm":
                    words = np.frombuffer(read(out)[3600:], np.uint8).reshape(3, 320)[:, 240:].copy()
                    got = np.array([ibm_value(int(w)) for w in words.view(">u4").ravel()])
                self.assertTrue(np.array_equal(got.ravel(), expected), (got.ravel()[:4], expected[:4]))
                width = 3 if packing == "3" else np.dtype(dtype).itemsize
                self.assertEqual([read(out)[3600 + t * 320:][:240] for t in range(3)],
                                 [read(src)[3600 + t * (240 + 20 * width):][:240] for t in range(3)])
                inexact = np.count_nonzero(expected.astype(np.float64) != np.clip(values, -FLT_MAX, FLT_MAX))
                self.assertEqual(bool(inexact), "became the nearest float" in result.stderr, result.stderr)

    def test_su_and_back(self):
        # SEG-Y to SU: the standard trace headers, with the sample count and
        # interval an SU header needs, and IEEE samples, as segyio reads SU;
        # back to SEG-Y with file headers made from the first trace, and SU
        # to SEG-Y to SU gives the file again.
        for order, generator in ((">", dict()), ("<", dict(rev=b"\x02\x01", declared=True, extra=1, extra_field=b"\1\0",
                                                                  patch=(3272, bytes(8))))):
            with self.subTest(order=order):
                src, su, back, again = (self.path(n) for n in ("in.sgy", "out.su", "back.sgy", "again.su"))
                regions = make_segy(src, order=order, ns=30, traces=4, **generator)
                original = read(src)
                for at, size in regions:  # the sample count and interval left to the binary header
                    header = at - 240 * (1 + generator.get("extra", 0))
                    original = original[:header + 114] + bytes(4) + original[header + 118:]
                with open(src, "wb") as f:
                    f.write(original)
                for args in (("--to-su", src, su), (su, back), ("--to-su", back, again)):
                    result = run("convert", *args)
                    self.assertEqual((result.returncode, result.stderr), (0, ""), args)
                endian = "big" if order == ">" else "little"
                expected = [ibm_value(int(w)) for at, size in regions
                            for w in np.frombuffer(original, order + "u4", size // 4, at)]
                with segyio.su.open(su, ignore_geometry=True, endian=endian) as f:
                    self.assertEqual(f.trace.raw[:].ravel().tolist(), expected)
                    self.assertEqual({int(f.header[t][segyio.su.ns]) for t in range(4)}, {30})
                    self.assertEqual({int(f.header[t][segyio.su.dt]) for t in range(4)}, {2000})
                self.assertEqual(len(read(su)), 4 * (240 + 120))
                info = json.loads(run("info", "--json", back).stdout)
                self.assertEqual((info["kind"], info["samples_per_trace"], info["traces"], info["sample_interval_us"]),
                                 ("SEG-Y", 30, 4, 2000))
                self.assertIn("MADE BY ZEL-SEGY FROM AN SU FILE", run("headers", back).stdout)
                self.assertEqual(read(again), read(su))
        self.assertIn("--to ibm does not go with --to-su", run("convert", "--to-su", "--to", "ibm", src, su).stderr)

    def test_crop(self):
        # Inline, crossline and time ranges as segyio-crop cuts them (the
        # same traces, samples and headers); traces by index and step with
        # the samples converted in the same pass; no trace kept.
        src, out, peer = self.path("cube.sgy"), self.path("out.sgy"), self.path("peer.sgy")
        cube = np.arange(4 * 5 * 50, dtype=np.float32).reshape(4, 5, 50) / 7
        segyio.tools.from_array(src, cube, delrt=100)
        for ours, theirs in ((["--where", "iline=2:3", "--where", "xline=2:4", "--time", "120:200"],
                              ["-i", "2", "-I", "3", "-x", "2", "-X", "4", "-s", "120", "-S", "196"]),
                             (["--where", "iline=4", "--time", ":140"], ["-i", "4", "-I", "4", "-S", "136"])):
            with self.subTest(ours):
                result = run("crop", *ours, src, out)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                subprocess.run(["segyio-crop", *theirs, src, peer], check=True)
                with segyio.open(out) as a, segyio.open(peer) as b:
                    self.assertEqual((a.tracecount, list(a.samples)), (b.tracecount, list(b.samples)))
                    self.assertTrue(np.array_equal(a.trace.raw[:], b.trace.raw[:]))
                    self.assertEqual([dict(h) for h in a.header], [dict(h) for h in b.header])
                    self.assertEqual(dict(a.bin), dict(b.bin))
        result = run("crop", "--traces", "1:19:6", "--window", "10:", "--to", "ieee", src, out)
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        values, fmt = samples_of(out, ">")
        self.assertEqual(fmt, 5)
        self.assertTrue(np.array_equal(values, samples_of(src, ">")[0][1:19:6, 10:]))
        with segyio.open(out, ignore_geometry=True) as f:
            self.assertEqual([f.header[t][segyio.su.delrt] for t in range(3)], [140] * 3)
        result = run("crop", "--where", "offset=5:", src, out)
        self.assertEqual((result.returncode, result.stderr), (0, "zel-segy: %s: no trace kept\n" % src))
        self.assertEqual(len(read(out)), 3600)
        self.assertIn("--where takes FIELD=LO:HI", run("crop", "--where", "nofield=1", src, out).stderr)
        self.assertIn("keeps no sample of traces of at most 50", run("crop", "--window", "50:", src, out).stderr)

    def test_refusals(self):
        rows = [  # name, generator arguments (None: no file), command, phrase in the message
            ("missing.sgy", None, "info", "No such file"),
            ("short.sgy", dict(traces=0, tail=b"x" * 100), None, "shorter than the 3600"),
            ("format13.sgy", dict(fmt=13), "info", "sample format code 13"),
            ("zero-ns.sgy", dict(ns=0, binary_ns=0), "info", "zero samples per trace"),
            # The trace headers say 8 and 9: they chain up to no end.
            ("ambiguous.sgy", dict(ns=8, traces=2, binary_ns=76, patch=(3600 + 272 + 114, b"\0\x09")), "info",
             "both fit the file length"),
            ("leftover.sgy", dict(tail=b"xyz"), "info", "3 bytes left over"),
        ]
        for name, generator, command, phrase in rows:
            with self.subTest(name):
                if generator is not None:
                    make_segy(self.path(name), **generator)
                if name == "short.sgy":
                    os.truncate(self.path(name), 3000)
                args = ["convert", "--to", "ieee", self.path(name), self.path("out")] if command == "convert" else ["info", self.path(name)]
                result = run(*args)
                self.assertEqual(result.returncode, 1)
                self.assertRegex(result.stderr, r"\Azel-segy: %s: [^\n]*%s[^\n]*\n\Z" % (self.path(name), re.escape(phrase)))
                self.assertFalse(os.path.exists(self.path("out")))

    def test_command_line(self):
        # Toolkit options are unknown ones; an empty name is named as such;
        # the help is in the user's language, Qt's words and the tool's alike.
        for args, status, output, lang in (
                ([], 2, "", None), (["frob"], 2, "", None), (["info"], 2, "", None),
                (["info", "--to", "ibm", "f"], 2, "", None), (["convert", "--to", "float", "a", "b"], 2, "", None),
                (["--bogus"], 2, "", None), (["info", "-platform", "xcb", "f"], 2, "Unknown option 'platform'", None),
                (["info", ""], 1, r"\Azel-segy: the file name is empty\n\Z", None),
                (["info", "--endian", "big", "--endian", "little", "f"], 2, "--endian given more than once", None),
                (["--help"], 0, r"\A(?!(.|\n)*--help-all)", None), (["--version"], 0, r"\Azel-segy 5", None),
                (["--help"], 0, r"Optionen:(.|\n)*geometry, check: ein JSON-Objekt", "de_DE.UTF-8")):
            with self.subTest(args=args, lang=lang):
                result = run(*args, lang=lang)
                self.assertEqual(result.returncode, status, result.stderr)
                self.assertEqual(bool(result.stdout), status == 0)
                self.assertRegex(result.stdout + result.stderr, output or ".")
                # Below the usage line, which names the program as started,
                # the help fits a terminal of 80 columns.
                self.assertLess(max(map(len, result.stdout.splitlines()[1:]), default=0), 80)

    def test_output_replaced_only_when_complete(self):
        src, out = self.path("in.sgy"), self.path("out.sgy")
        make_segy(src, ns=1000, traces=60)
        with open(out, "wb") as f:
            f.write(b"old")
        result = run("convert", "--to", "ieee", src, out, limit=64 * 1024)
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, r"\Azel-segy: %s: File too large\n\Z" % out)
        self.assertEqual(read(out), b"old")
        self.assertEqual(sorted(os.listdir(self.dir.name)), ["in.sgy", "out.sgy"])

    def test_outputs_and_inputs_that_are_not_files(self):
        # A device or a FIFO named as OUT is written, never replaced; a FIFO
        # as input is refused at once; what fails says why, of the file it concerns.
        src, device, fifo, copy = self.path("in.sgy"), self.path("null"), self.path("fifo"), self.path("copy.sgy")
        make_segy(src)
        try:  # a node of its own where root may make one, so that a fault replaces none of the system's
            os.mknod(device, stat.S_IFCHR | 0o666, os.makedev(1, 3))
        except PermissionError:
            os.symlink("/dev/null", device)
        self.assertEqual(run("convert", "--to", "ieee", src, device).returncode, 0)
        self.assertTrue(stat.S_ISCHR(os.stat(device).st_mode))
        os.mkfifo(fifo)
        received = []
        reader = threading.Thread(target=lambda: received.append(read(fifo)))
        reader.start()
        result = run("convert", "--to", "ieee", src, fifo)
        reader.join()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(stat.S_ISFIFO(os.stat(fifo).st_mode))
        self.assertEqual(run("convert", "--to", "ieee", src, copy).returncode, 0)
        self.assertEqual(received, [read(copy)])
        # Standard output as OUT, with standard input as IN too.
        for name in (src, "-"):
            result = subprocess.run([TOOL, "convert", "--to", "ieee", name, "-"], input=read(src), capture_output=True)
            self.assertEqual((result.returncode, result.stdout), (0, read(copy)), result.stderr)
        # A FIFO without a writer is empty, not waited for; streams are read
        # to their end; endless devices are refused.
        result = subprocess.run([TOOL, "info", fifo], capture_output=True, text=True, timeout=60)
        self.assertEqual((result.returncode, result.stderr),
                         (1, "zel-segy: %s: 0 bytes, shorter than the 3600 bytes of the file headers\n" % fifo))
        for name in ("-", "/dev/stdin"):
            for command in ("info", "headers", "check"):
                result = subprocess.run([TOOL, command, name], input=read(src), capture_output=True, timeout=60)
                self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(b"\ntraces: 3\n", subprocess.run([TOOL, "info", "-"], input=read(src), capture_output=True).stdout)
        result = run("info", "/dev/zero")
        self.assertEqual((result.returncode, result.stderr),
                         (1, "zel-segy: /dev/zero: not a file or a pipe; zel-segy reads files, pipes and FIFOs\n"))
        result = run("convert", "--to", "ieee", src, "/dev/full")
        self.assertEqual((result.returncode, result.stderr), (1, "zel-segy: /dev/full: No space left on device\n"))
        with open("/dev/full", "w") as full:
            result = subprocess.run([TOOL, "--help"], stdout=full, stderr=subprocess.PIPE, text=True)
        self.assertEqual((result.returncode, result.stderr), (1, "zel-segy: standard output: No space left on device\n"))
        if os.geteuid() != 0:  # permissions do not bind root
            os.chmod(self.dir.name, 0o555)
            try:
                result = run("convert", "--to", "ieee", src, copy)
            finally:
                os.chmod(self.dir.name, 0o755)
            self.assertIn("no temporary file can be created in %s" % self.dir.name, result.stderr)

    def test_names_that_are_not_utf8(self):
        # File names are bytes: one that is not UTF-8 is read and written,
        # also in a folder whose name is not.
        folder = os.path.join(os.fsencode(self.dir.name), b"d\xe9")
        os.mkdir(folder)
        src, out = os.path.join(folder, b"caf\xe9.sgy"), os.path.join(folder, b"out\xe8.sgy")
        make_segy(src)
        for args in (("info", src), ("headers", src), ("check", src), ("geometry", src),
                     ("convert", "--to", "ieee", src, out), ("convert", "--to", "ibm", out, out)):
            result = run(*args)
            self.assertEqual(result.returncode, 0, (args, result.stderr))
        self.assertEqual((read(out), sorted(os.listdir(folder))), (read(src), [b"caf\xe9.sgy", b"out\xe8.sgy"]))

    def test_in_place_and_already_converted(self):
        src, same, other = self.path("in.sgy"), self.path("same.sgy"), self.path("other.sgy")
        make_segy(src, order="<", ns=20, traces=5)
        with open(same, "wb") as f:
            f.write(read(src))
        self.assertEqual(run("convert", "--to", "ieee", same, same).returncode, 0)
        self.assertEqual(run("convert", "--to", "ieee", src, other).returncode, 0)
        self.assertEqual(read(same), read(other))
        result = run("convert", "--to", "ieee", other, self.path("copy.sgy"))
        self.assertEqual(result.returncode, 0)
        self.assertIn("already format 5; copied unchanged", result.stderr)
        self.assertEqual(read(self.path("copy.sgy")), read(other))


if __name__ == "__main__":
    unittest.main()
