// The target that owns the precompiled headers; it has no code of its own.
