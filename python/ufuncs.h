// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELSEGY_PYTHON_UFUNCS_H
#define ZELSEGY_PYTHON_UFUNCS_H

#include <Python.h>

/// Adds the IBM conversions to @p module as numpy ufuncs: ibm_to_float32,
/// float32_to_ibm and float32_to_ibm_rounded. False with a Python error set
/// when numpy refuses one.
bool AddUfuncs(PyObject* module);

#endif
