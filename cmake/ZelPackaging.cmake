# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# The Debian packages, one per install component: cpack -G DEB builds
# zel-vornik (the programs zel-view, zel-vornik and zel-segy with their desktop
# files, with the libraries when they are built shared),
# zel-vornik-dev (headers, static libraries or link names, CMake package and
# pkg-config file) and, with the Python package built, python3-zelsegy,
# with the library dependencies computed by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel-vornik)
set(CPACK_PACKAGE_VENDOR "Zelmorra Corp")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${zel_components})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
# Each description is a synopsis line, then the extended text; CPack indents
# the extended lines by one space, as the Debian control file wants them.
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Seismic viewer, desktop frame and SEG-Y tool
The seismic viewer zel-view shows SEG-Y and SU files of any size, read as
they are looked at, as variable-density sections or wiggles, with inline,
crossline and time-slice navigation through regular cubes, the textual,
binary and trace headers in panels and PNG export.

This package also holds zel-vornik, the application frame's own program (a
small window with its name and version), and the command-line tool
zel-segy, which tells what a SEG-Y file holds and converts its samples
between IBM and IEEE floating point. They rest on the ZEL Vornik libraries,
which turn the field encodings of binary seismic data exchange formats
(IBM System/360 floating point, EBCDIC text, packed decimal, 3-byte
integers, byte-swapped words) into native values and back.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# The CMake package looks for the Qt it was built with; the program shows
# Qt's own texts (the buttons of message boxes) in the user's language from
# Qt's catalogues.
if(QT_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qtbase5-dev)
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS qttranslations5-l10n)
else()
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qt6-base-dev)
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
if(BUILD_SHARED_LIBS)
    string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
        ", zel-vornik (= ${PROJECT_VERSION})")
endif()
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Headers and CMake package of the ZEL Vornik libraries
The application frame (Zel::Frame), the seismic data conversion
library (Zel::Functions) and the SEG-Y library (Zel::Segy): their
headers, the CMake package found with find_package(ZelVornik), the
conversion library's pkg-config file zelfunctions.pc and the API
reference.")

# The extension is built for one version of Python and for numpy's ABI,
# which Debian's numpy names as a virtual package.
math(EXPR zel_python_next_minor "${Python_VERSION_MINOR} + 1")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${zel_python_next_minor}), python3-numpy, python3-numpy-abi9")
set(CPACK_DEBIAN_PYTHON_PACKAGE_RECOMMENDS "python3-dask, python3-distributed, python3-xarray, python3-zarr")
# With the libraries shared, the extension links those of zel-vornik, which
# dpkg-shlibdeps cannot place, not being installed: that package brings
# them and what they need.
if(BUILD_SHARED_LIBS)
    string(APPEND CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS ", zel-vornik (= ${PROJECT_VERSION})")
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SHLIBDEPS OFF)
endif()
set(CPACK_COMPONENT_PYTHON_DESCRIPTION "Exact IBM float conversion and SEG-Y reading for Python
The Python 3 package zelsegy on the ZEL Vornik libraries: numpy ufuncs
that convert IBM System/360 floating point to float32 and back, exactly
and on every core, EBCDIC text, and a reader of SEG-Y and SU files that
gives their headers as numpy structured arrays and their traces as
float32 arrays, regular cubes as xarray DataArrays, lazy Dask arrays
for clusters, and a round trip through Zarr that writes the same file
back byte for byte.")

# The project's summary would stand before each component's own synopsis.
# Two builds of the packages from one tree give the same bytes: CPack stamps
# every file with SOURCE_DATE_EPOCH, the newest release's date when unset.
file(WRITE ${PROJECT_BINARY_DIR}/ZelCPackOptions.cmake "
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
if(\"\$ENV{SOURCE_DATE_EPOCH}\" STREQUAL \"\")
    set(ENV{SOURCE_DATE_EPOCH} ${ZEL_RELEASE_EPOCH})
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/ZelCPackOptions.cmake)

include(CPack)
