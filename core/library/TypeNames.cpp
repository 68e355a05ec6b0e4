#include "core/library/TypeNames.h"

std::string ShortTypeName(const std::string& typeName) {
    const size_t underscore = typeName.rfind('_');
    return underscore == std::string::npos ? typeName : typeName.substr(underscore + 1);
}

std::string ChildTypeName(const std::string& categoryId, const std::string& name) {
    return categoryId + "_" + name;
}
