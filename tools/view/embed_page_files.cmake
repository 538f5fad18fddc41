# Turns the page's own files into one C++ source, so that the view's HTML
# carries its style and script inside it and needs no file beside it:
#
#   cmake -DOUTPUT=page_files.cpp -DSTYLE=view.css -DSCRIPT=view.js -DBODY=view.html \
#         -P embed_page_files.cmake
#
# Each file becomes a raw string literal returned by a function of
# tools/view/page_files.h. A file that holds the literal's closing
# delimiter is refused.
set(delimiter "PAGE_FILE")
set(source "// Generated from tools/view/page/ by tools/view/embed_page_files.cmake; do not edit.\n\n")
string(APPEND source "#include \"tools/view/page_files.h\"\n\nnamespace scenario::tools::page_files {\n")
foreach(part STYLE SCRIPT BODY)
  file(READ "${${part}}" text)
  string(FIND "${text}" ")${delimiter}\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${${part}} holds )${delimiter}\", which ends the literal")
  endif()
  string(TOLOWER "${part}" name)
  string(APPEND source "\nstd::string_view ${name}() {\n  return R\"${delimiter}(${text})${delimiter}\";\n}\n")
endforeach()
string(APPEND source "\n}  // namespace scenario::tools::page_files\n")
# Written only when it changes, so that an unchanged page rebuilds nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL source)
  file(WRITE "${OUTPUT}" "${source}")
endif()
