// The one source of the targets that build a kind of precompiled header for the others
// (see pellomir_precompiled_headers in Pellomir.cmake).
