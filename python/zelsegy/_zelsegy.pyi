# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""Types of the extension module; the package re-exports its public names."""

from typing import Any, Dict, List, Optional, Tuple

import numpy as np
import numpy.typing as npt

__version__: str

# numpy ufuncs: (words or values, /, out=None, *, where=True, casting=..., ...)
ibm_to_float32: np.ufunc
float32_to_ibm: np.ufunc
float32_to_ibm_rounded: np.ufunc

def ebcdic_to_ascii(text: bytes) -> bytes: ...
def ascii_to_ebcdic(text: bytes) -> bytes: ...
def decode_text_header(block: bytes, encoding: str = "detect") -> str: ...
def _layout(path: bytes, order: int, format: int, samples: int, text: int,
            salvage: bool) -> Dict[str, Any]: ...
def _read_traces(path: bytes, offset: int, stride: int, count: int, header_bytes: int,
                 samples: int, format_code: int, order: int) -> npt.NDArray[np.float32]: ...
def _read_trace_bytes(path: bytes, offset: int, stride: int, count: int,
                      length: int) -> npt.NDArray[np.uint8]: ...
def _trace_fields() -> List[Tuple[str, str, int, int, str, int]]: ...
def _find_field(text: str) -> Optional[Tuple[str, str, int, int, str, int]]: ...
def _geometry(path: bytes, order: int, format: int, samples: int, text: int, salvage: bool,
              inline_byte: int, crossline_byte: int) -> Dict[str, Any]: ...
