// The source that the test programs' shared precompiled headers are made with
// (cmake/precompiled_headers.cmake): the headers themselves are all it needs.
