#pragma once

#include <string_view>

// The view page's own files (tools/view/page/), embedded when the tool is
// built (tools/view/embed_page_files.cmake).
namespace scenario::tools::page_files {

std::string_view style();   // view.css
std::string_view script();  // view.js
std::string_view body();    // view.html: the markup inside <body>

}  // namespace scenario::tools::page_files
