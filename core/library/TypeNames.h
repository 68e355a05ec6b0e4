#pragma once
#include <string>

// Type names of the widget library. Built-in kinds go by their plain names
// ("Site", "Page", "Block"…); a widget by "_" plus each directory level below
// "widgets" joined with "_" (widgets/Basic/Button gives "_Basic_Button").

// The text after the last "_", or the whole name when it holds none.
std::string ShortTypeName(const std::string& typeName);
// The type name of entry `name` of a category whose id is `categoryId`.
std::string ChildTypeName(const std::string& categoryId, const std::string& name);
