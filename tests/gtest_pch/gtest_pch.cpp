// Carries the precompiled GoogleTest header that every test executable reuses (see kv_unit_test);
// the library itself has no code.
