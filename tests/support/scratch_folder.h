#pragma once

namespace testing_support {

// Gives this test process a scratch folder of its own and points TMPDIR and the XDG folders
// (settings, caches, data, runtime) into it, so that tests running side by side (ctest -j)
// never meet in a temporary file or a settings file. The folder goes when the process ends.
void useOwnScratchFolder();

}  // namespace testing_support
