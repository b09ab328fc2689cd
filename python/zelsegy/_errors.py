# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

"""The exception the package raises for a file it cannot read."""


class SegyError(Exception):
    """A file that cannot be read as SEG-Y or SU as it stands, or a request
    it cannot answer (a cube of a file that is no regular grid, say).

    Attributes:
        what: the finding, in one line.
        offset: the byte of the file it concerns; -1 for the file as a whole.
        override: the keyword argument of `zelsegy.open` that reads the file
            anyway (such as "samples=10"), or "".
    """

    def __init__(self, what: str, offset: int = -1, override: str = ""):
        override = keyword_override(override)
        message = what
        if override:
            message += f"; to read it anyway: {override}"
        super().__init__(message)
        self.what = what
        self.offset = offset
        self.override = override


SegyError.__module__ = "zelsegy"


def keyword_override(option: str) -> str:
    """The keyword argument of `zelsegy.open` for the SEG-Y library's
    override option: "--samples 10" gives "samples=10", "--salvage"
    "salvage=True"."""
    if not option.startswith("--"):
        return option
    name, _, value = option[2:].partition(" ")
    return f"{name}={value or True}"
