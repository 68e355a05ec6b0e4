#pragma once
#include <string>

#include "core/library/ConfigLoader.h"

// Loads a widget library (by default the one beside the test programs) into a
// loader of its own and makes it the loader in use while it lives, so objects
// created meanwhile are instantiated from it. Afterwards the process-wide loader,
// never loaded in tests, is in use again and objects get their "name" only.
class CScopedLibrary {
public:
    explicit CScopedLibrary(const std::string& directory = QUILLORA_PROGRAM_DIR) {
        loader.LoadFrom(directory);
        UseConfigLoader(&loader);
    }
    ~CScopedLibrary() { UseConfigLoader(nullptr); }
    CScopedLibrary(const CScopedLibrary&) = delete;
    CScopedLibrary& operator=(const CScopedLibrary&) = delete;

    CConfigLoader loader;
};
