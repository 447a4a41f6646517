# shellcheck shell=bash disable=SC2034 # the lists are read by setup.sh
# The Debian packages Kestova needs, one list per purpose; scripts/setup.sh installs them.
# Each list comes on top of the ones before it. To add a package, add its line to the list
# of the first purpose that needs it, with what it is for.

# Building and running the program (scripts/run.sh, scripts/build.sh).
build_packages=(
  build-essential            # the C++ compiler, make and dpkg-dev
  cmake                      # the build
  ninja-build                # the build
  qt6-base-dev               # the windows, the drawing view, printing
  libgl-dev                  # the OpenGL headers Qt's Gui module includes
  qt6-charts-dev             # the survey check's histograms
  libqt6opengl6-dev          # Qt Charts' CMake package needs Qt's OpenGL one
  libeigen3-dev              # points, vectors and transforms
  libpugixml-dev             # LandXML point files
  libnanoflann-dev           # pairing survey points by proximity
  libproj-dev                # coordinate systems: GNSS latitude and longitude to a design's grid
  libcgal-dev                # design surfaces: constrained Delaunay triangulation, AABB trees
  libxlsxwriter-dev          # the survey check's Excel report
  help2man                   # the manual page, made from the program's --help
)

# Building the .deb (scripts/package.sh).
package_packages=(
  file                       # cpack finds the programs whose libraries the package depends on
)

# Running every test (scripts/test.sh) and the developer tools (scripts/screenshots.sh).
test_packages=(
  ccache                     # the compiler cache that makes a second run's builds quick
  libgtest-dev               # GoogleTest
  libgmock-dev               # GoogleMock
  python3                    # the independent drawing reader...
  python3-ezdxf              # ...ezdxf
  python3-matplotlib         # ezdxf's drawing add-on: how a drawing should look, to compare
  librecad-data              # drawings written by another program
  python3-numpy              # survey statistics computed independently
  poppler-utils              # pdftotext and pdftoppm, reading the PDF report back
  python3-pandas             # the survey check benchmark's comparison...
  python3-scipy              # ...pairing by proximity with cKDTree, and Delaunay for surfaces
  python3-openpyxl           # reading the Excel report back
  fonts-dejavu-core          # the same fonts in the windows on every machine
  fonts-dejavu-extra         # the same fonts in the windows on every machine
  xvfb                       # the screenshots' virtual X server
  xauth                      # the screenshots' virtual X server
  desktop-file-utils         # desktop-file-validate, for the desktop entry
  appstream                  # appstreamcli, for the AppStream metainfo
  lintian                    # checking the .deb as Debian checks its packages
  debootstrap                # a minimal Debian 12 to install the .deb into
  g++-mingw-w64-x86-64-posix # the Windows backend's cross build...
  wine                       # ...and its tests, run under Wine
  wine64                     # ...and its tests, run under Wine
  clang-format               # formatting the code
  clang-14                   # the fuzz targets (libFuzzer)...
  libclang-rt-14-dev         # ...and its runtime with the sanitizers
)
