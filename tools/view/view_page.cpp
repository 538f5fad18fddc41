#include "tools/view/view_page.h"

#include "records/slot_roles.h"
#include "text/cp1252.h"
#include "tools/svg_canvas.h"
#include "tools/view/page_files.h"
#include "tools/view/view_data.h"

namespace scenario::tools {

std::string view_page(const CompiledScenario& scenario) {
  const std::string title = text::cp1252_to_utf8(scenario.table[records::kLineSlot].text) +
                            " · treno " +
                            text::cp1252_to_utf8(scenario.table[records::kRunSlot].text);
  std::string page;
  page += "<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n";
  // Nothing from outside: no network, no file beside the page.
  page +=
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
      "style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:\">\n";
  page += "<title>" + xml_escaped(title) + "</title>\n<style>\n";
  page += page_files::style();
  page += "</style>\n</head>\n<body>\n";
  page += page_files::body();
  page += "<script type=\"application/json\" id=\"scenario-data\">";
  page += view_data_json(scenario);
  page += "</script>\n<script>\n";
  page += page_files::script();
  page += "</script>\n</body>\n</html>\n";
  return page;
}

}  // namespace scenario::tools
