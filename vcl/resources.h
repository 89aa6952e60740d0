// Layout resources embedded at build time, keyed by the layout file's name.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vcl {

const std::map<std::string, std::string_view>& LayoutResources();

// The named layout's text; raises ELayoutError when there is none.
std::string_view LayoutResource(const std::string& name);

}  // namespace vcl
